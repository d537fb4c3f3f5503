#include "extended.h"

namespace welvaro::formulas {

namespace {

/// A binary format's exponent range as MPFR counts it, the significand
/// written 0.1xxx: emin - 1 is the exponent of the smallest subnormal, and
/// every finite value lies below 2^emax.
struct ExponentRange {
  mpfr_exp_t emin;
  mpfr_exp_t emax;
};
constexpr ExponentRange kExtendedRange{-16444, 16384};
constexpr ExponentRange kDoubleRange{-1073, 1024};
constexpr mpfr_prec_t kDoublePrecision = 53;

/// Sets the exponent range of the thread's MPFR and puts the previous one back
/// at the end of the scope, so that no other MPFR user is affected.
class ScopedRange {
 public:
  explicit ScopedRange(ExponentRange range) noexcept : saved_{mpfr_get_emin(), mpfr_get_emax()} {
    mpfr_set_emin(range.emin);
    mpfr_set_emax(range.emax);
  }
  ~ScopedRange() {
    mpfr_set_emin(saved_.emin);
    mpfr_set_emax(saved_.emax);
  }
  ScopedRange(const ScopedRange&) = delete;
  ScopedRange& operator=(const ScopedRange&) = delete;

 private:
  ExponentRange saved_;
};

/// Rounds a value, computed in MPFR's wide exponent range with the ternary
/// value inexact, into a format's range: overflow to infinity with the
/// overflow flag, and underflow to the subnormals, rounded once from the
/// exact value as the hardware does.
void FitInto(mpfr_ptr value, int inexact, ExponentRange range) noexcept {
  const ScopedRange scope(range);
  inexact = mpfr_check_range(value, inexact, MPFR_RNDN);
  mpfr_subnormalize(value, inexact, MPFR_RNDN);
}

}  // namespace

Extended::Extended() noexcept {
  mpfr_custom_init(limbs_.data(), kPrecision);
  mpfr_custom_init_set(value_, MPFR_ZERO_KIND, 0, kPrecision, limbs_.data());
}

Extended::Extended(double value) noexcept : Extended() { mpfr_set_d(value_, value, MPFR_RNDN); }

Extended::Extended(const Extended& other) noexcept : Extended() {
  mpfr_set(value_, other.value_, MPFR_RNDN);
}

Extended& Extended::operator=(const Extended& other) noexcept {
  mpfr_set(value_, other.value_, MPFR_RNDN);
  return *this;
}

void Extended::Round(int inexact) noexcept { FitInto(value_, inexact, kExtendedRange); }

Extended operator+(const Extended& a, const Extended& b) noexcept {
  Extended sum;
  sum.Round(mpfr_add(sum.value_, a.value_, b.value_, MPFR_RNDN));
  return sum;
}

Extended operator-(const Extended& a, const Extended& b) noexcept {
  Extended difference;
  difference.Round(mpfr_sub(difference.value_, a.value_, b.value_, MPFR_RNDN));
  return difference;
}

Extended operator*(const Extended& a, const Extended& b) noexcept {
  Extended product;
  product.Round(mpfr_mul(product.value_, a.value_, b.value_, MPFR_RNDN));
  return product;
}

// x / 0 sets the division-by-zero flag and 0 / 0 the NaN flag, as the x87
// raises division by zero and invalid operation.
Extended operator/(const Extended& a, const Extended& b) noexcept {
  Extended quotient;
  quotient.Round(mpfr_div(quotient.value_, a.value_, b.value_, MPFR_RNDN));
  return quotient;
}

// Both are correctly rounded, so the square may take the quicker road.
Extended Power(const Extended& base, const Extended& exponent) noexcept {
  Extended power;
  power.Round(mpfr_cmp_ui(exponent.value_, 2) == 0
                  ? mpfr_sqr(power.value_, base.value_, MPFR_RNDN)
                  : mpfr_pow(power.value_, base.value_, exponent.value_, MPFR_RNDN));
  return power;
}

// Rounded from the 64-bit value, not from the exact one: the x87 stores its
// register this way.
double Extended::ToDouble() const noexcept {
  MPFR_DECL_INIT(rounded, kDoublePrecision);
  FitInto(rounded, mpfr_set(rounded, value_, MPFR_RNDN), kDoubleRange);
  return mpfr_get_d(rounded, MPFR_RNDN);
}

}  // namespace welvaro::formulas
