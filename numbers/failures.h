#pragma once

#include <stdexcept>

namespace welvaro {

/// A text that is no number, a number beyond the Double range, or a whole
/// number outside the 16-bit Integer range.
class ConversionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

/// Why a formula step was refused.
enum class ArithmeticCondition {
  InvalidOperation,
  DivisionByZero,
  Overflow,
  SquareRootOfNegative,
  LogarithmOfNonPositive,
};

/// A formula step failed; the formula delivers no result.
class ArithmeticError : public std::runtime_error {
 public:
  ArithmeticError(int step, ArithmeticCondition condition)
      : std::runtime_error("arithmetic failure"), step_(step), condition_(condition) {}

  /// The number of the failing step, counted from 1 within its formula.
  [[nodiscard]] int step() const noexcept { return step_; }
  [[nodiscard]] ArithmeticCondition condition() const noexcept { return condition_; }

 private:
  int step_;
  ArithmeticCondition condition_;
};

}  // namespace welvaro
