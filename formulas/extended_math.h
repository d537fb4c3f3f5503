#pragma once

namespace welvaro::formulas {

/// The general power function in the extended format, never a product.
[[nodiscard]] long double Power(long double base, long double exponent);

/// The square root of a Double; a negative argument raises ArithmeticError.
[[nodiscard]] double SquareRoot(int step, double value);

/// The natural logarithm of a Double; an argument not greater than zero
/// raises ArithmeticError.
[[nodiscard]] double NaturalLogarithm(int step, double value);

}  // namespace welvaro::formulas
