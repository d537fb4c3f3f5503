#pragma once

#include "extended.h"

namespace welvaro::formulas {

/// How every formula computes: each step in the extended format, its value
/// rounded to Double once when it is stored, and after each step MPFR's
/// sticky flags of the thread tested for invalid operation (NaN), division by
/// zero and overflow. Underflow and inexact results are never failures. Any of
/// the three raises ArithmeticError naming the step.
class StepRule {
 public:
  /// Clears the three flags, so that the tests see only this formula's own.
  StepRule() noexcept;

  /// Rounds the step's value to Double, then tests.
  double Store(int step, const Extended& value) const;

  /// Tests before rounding; the value stays extended.
  Extended TestUnrounded(int step, const Extended& value) const;

  /// Rounds to Double without a test of its own; an overflow this raises stays
  /// set for the next step's test.
  static double HandOver(const Extended& value) noexcept { return value.ToDouble(); }

 private:
  static void Test(int step);
};

}  // namespace welvaro::formulas
