#pragma once

#include <mpfr.h>

namespace welvaro::testing {

using MpfrOperation = int (*)(mpfr_ptr, mpfr_srcptr, double, mpfr_rnd_t);

/// `first` times or by `second` (mpfr_mul_d, mpfr_div_d), rounded once to
/// Double. The same written as a C++ expression is not rounded once
/// everywhere: on i386, GCC 13 and later evaluate literals and intermediate
/// results in the x87's wider format.
inline double RoundedOnce(double first, MpfrOperation operation, double second) {
  mpfr_t value;
  mpfr_init2(value, 53);
  mpfr_set_d(value, first, MPFR_RNDN);
  operation(value, value, second, MPFR_RNDN);
  const double result = mpfr_get_d(value, MPFR_RNDN);
  mpfr_clear(value);
  return result;
}

}  // namespace welvaro::testing
