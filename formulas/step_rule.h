#pragma once

namespace welvaro::formulas {

/// How every formula computes: each step in the x87 extended format
/// (long double), its value rounded to Double once when it is stored, and
/// after each step the floating-point status of the thread tested for invalid
/// operation, division by zero and overflow. Underflow and inexact results are
/// never failures. Any of the three raises ArithmeticError naming the step.
///
/// The members are compiled out of line, and the stored value passes through
/// a volatile, so that the compiler can neither fold a step away nor move its
/// arithmetic across the status test.
class StepRule {
 public:
  /// Clears the three conditions, so that the tests see only this formula's own.
  StepRule();

  /// Rounds the step's value to Double, then tests.
  double Store(int step, long double value) const;

  /// Tests before rounding; the value stays extended.
  long double TestUnrounded(int step, long double value) const;

  /// Rounds to Double without a test of its own; a condition this raises stays
  /// set for the next step's test.
  static double HandOver(long double value);

 private:
  static void Test(int step);
};

}  // namespace welvaro::formulas
