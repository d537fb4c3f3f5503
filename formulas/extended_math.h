#pragma once

namespace welvaro::formulas {

/// The square root of a Double, correctly rounded; a negative argument raises
/// ArithmeticError.
[[nodiscard]] double SquareRoot(int step, double value);

/// The natural logarithm of a Double, correctly rounded; an argument not
/// greater than zero raises ArithmeticError.
[[nodiscard]] double NaturalLogarithm(int step, double value);

}  // namespace welvaro::formulas
