#pragma once

#include <mpfr.h>

#include <array>

namespace welvaro::formulas {

/// A number in the x87 extended format: a 64-bit significand and the exponent
/// range of 2^-16445 (subnormal) up to below 2^16384, every operation rounded
/// to nearest, ties to even. Computed by GNU MPFR, so that every machine gives
/// the same bits whatever its long double, excess precision or optimiser.
///
/// Invalid operations, divisions by zero and overflows set MPFR's sticky flags
/// of the calling thread; StepRule tests them.
class Extended {
 public:
  /// Exact: every Double is an extended number. Implicit, so that a formula
  /// reads as the arithmetic it does.
  Extended(double value) noexcept;
  Extended(const Extended& other) noexcept;
  Extended& operator=(const Extended& other) noexcept;
  ~Extended() = default;

  friend Extended operator+(const Extended& a, const Extended& b) noexcept;
  friend Extended operator-(const Extended& a, const Extended& b) noexcept;
  friend Extended operator*(const Extended& a, const Extended& b) noexcept;
  friend Extended operator/(const Extended& a, const Extended& b) noexcept;

  /// The general power function, correctly rounded: for the exponent 2 the
  /// square rounded once, whatever the base.
  friend Extended Power(const Extended& base, const Extended& exponent) noexcept;

  /// Rounded to the nearest Double, subnormals included; a value beyond the
  /// Double range becomes infinite and sets the overflow flag.
  [[nodiscard]] double ToDouble() const noexcept;

 private:
  static constexpr mpfr_prec_t kPrecision = 64;
  static constexpr int kLimbs = (kPrecision + GMP_NUMB_BITS - 1) / GMP_NUMB_BITS;

  Extended() noexcept;
  /// Brings the result of an MPFR operation, with its ternary value, into the
  /// extended exponent range.
  void Round(int inexact) noexcept;

  // The significand lives inside the object (MPFR's custom interface), so a
  // value costs no allocation.
  std::array<mp_limb_t, kLimbs> limbs_{};
  mpfr_t value_{};
};

Extended Power(const Extended& base, const Extended& exponent) noexcept;

}  // namespace welvaro::formulas
