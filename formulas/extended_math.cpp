#include "extended_math.h"

#include <mpfr.h>

#include "failures.h"

namespace welvaro::formulas {

namespace {

constexpr mpfr_prec_t kDoublePrecision = 53;

/// f(value) rounded to the nearest Double, ties to even. Both conversions are
/// exact: MPFR's exponent range holds every Double, subnormals included, and
/// the square root or logarithm of a Double is never subnormal nor beyond the
/// Double range, so the 53-bit result is a Double. The C library's sqrt is not
/// enough: on i386 it comes back in an x87 register, unrounded.
template <typename Function>
double CorrectlyRounded(Function function, double value) {
  MPFR_DECL_INIT(argument, kDoublePrecision);
  MPFR_DECL_INIT(result, kDoublePrecision);
  mpfr_set_d(argument, value, MPFR_RNDN);
  function(result, argument, MPFR_RNDN);
  return mpfr_get_d(result, MPFR_RNDN);
}

}  // namespace

double SquareRoot(int step, double value) {
  if (value < 0) throw ArithmeticError(step, ArithmeticCondition::SquareRootOfNegative);
  return CorrectlyRounded(mpfr_sqrt, value);
}

double NaturalLogarithm(int step, double value) {
  if (!(value > 0)) throw ArithmeticError(step, ArithmeticCondition::LogarithmOfNonPositive);
  return CorrectlyRounded(mpfr_log, value);
}

}  // namespace welvaro::formulas
