#include "extended_math.h"

#include <cmath>

#include "failures.h"

namespace welvaro::formulas {

long double Power(long double base, long double exponent) { return std::pow(base, exponent); }

double SquareRoot(int step, double value) {
  if (value < 0) throw ArithmeticError(step, ArithmeticCondition::SquareRootOfNegative);
  return std::sqrt(value);
}

double NaturalLogarithm(int step, double value) {
  if (!(value > 0)) throw ArithmeticError(step, ArithmeticCondition::LogarithmOfNonPositive);
  return std::log(value);
}

}  // namespace welvaro::formulas
