#include "extended_math.h"

#include <mpfr.h>

#include <cfenv>
#include <cmath>

#include "failures.h"

namespace welvaro::formulas {

namespace {

/// Keeps the floating-point status of the calling thread as it was, so that a
/// library call neither raises a condition the step rule would see nor clears
/// one an earlier operation set.
class StatusKeeper {
 public:
  StatusKeeper() { std::fegetexceptflag(&saved_, FE_ALL_EXCEPT); }
  ~StatusKeeper() { std::fesetexceptflag(&saved_, FE_ALL_EXCEPT); }
  StatusKeeper(const StatusKeeper&) = delete;
  StatusKeeper& operator=(const StatusKeeper&) = delete;

 private:
  std::fexcept_t saved_{};
};

constexpr mpfr_prec_t kDoublePrecision = 53;

/// ln(value) rounded to the nearest Double, ties to even. Both conversions are
/// exact: MPFR's exponent range holds every Double, subnormals included, and
/// the logarithm of a Double is 0 or lies between 2^-54 and 745 in magnitude,
/// so the 53-bit result is a Double.
double CorrectlyRoundedLogarithm(double value) {
  const StatusKeeper status;
  MPFR_DECL_INIT(argument, kDoublePrecision);
  MPFR_DECL_INIT(logarithm, kDoublePrecision);
  mpfr_set_d(argument, value, MPFR_RNDN);
  mpfr_log(logarithm, argument, MPFR_RNDN);
  return mpfr_get_d(logarithm, MPFR_RNDN);
}

}  // namespace

// glibc's powl takes an integral exponent below 4 by multiplying in the x87
// unit, so the square is one product rounded once to 64 bits: correctly
// rounded, and finite for every Double. The reference test checks it.
long double Power(long double base, long double exponent) { return std::pow(base, exponent); }

double SquareRoot(int step, double value) {
  if (value < 0) throw ArithmeticError(step, ArithmeticCondition::SquareRootOfNegative);
  return std::sqrt(value);
}

double NaturalLogarithm(int step, double value) {
  if (!(value > 0)) throw ArithmeticError(step, ArithmeticCondition::LogarithmOfNonPositive);
  return CorrectlyRoundedLogarithm(value);
}

}  // namespace welvaro::formulas
