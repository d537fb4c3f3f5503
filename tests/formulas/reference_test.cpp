// The six formulas against an independent reference: every step recomputed
// with MPFR at 256 bits from the Doubles it is given, each value the extended
// format keeps rounded to 64 bits in that format's exponent range, each stored
// value rounded to a Double, subnormals included. Results and failures must
// agree bit for bit. WELVARO_REFERENCE_INPUTS sets the number of inputs per
// formula (fewer under an emulator).
#include <gtest/gtest.h>
#include <mpfr.h>

#include <cstdint>
#include <optional>
#include <string>

#include "constants.h"
#include "failures.h"
#include "formula_inputs.h"

namespace welvaro::formulas {
namespace {

/// A binary floating-point format as MPFR counts it: significand bits, and the
/// exponent range of values written 0.1xxx × 2^e (subnormals down to emin).
struct Format {
  mpfr_prec_t precision;
  mpfr_exp_t emin;
  mpfr_exp_t emax;
};
constexpr Format kExtended{64, -16444, 16384};
constexpr Format kDouble{53, -1073, 1024};
constexpr mpfr_prec_t kReferencePrecision = 256;

/// An MPFR number that lives as long as its owner.
class Real {
 public:
  explicit Real(mpfr_prec_t precision = kReferencePrecision) { mpfr_init2(value_, precision); }
  ~Real() { mpfr_clear(value_); }
  Real(const Real&) = delete;
  Real& operator=(const Real&) = delete;
  void SetPrecision(mpfr_prec_t precision) { mpfr_set_prec(value_, precision); }
  mpfr_ptr operator*() { return value_; }

 private:
  mpfr_t value_;
};

class Reference {
 public:
  Reference() : rounded_(kExtended.precision) {}

  /// Rounds value in place into the format; true when it left the range.
  bool RoundInto(mpfr_ptr value, const Format& format) {
    rounded_.SetPrecision(format.precision);
    const mpfr_exp_t emin = mpfr_get_emin();
    const mpfr_exp_t emax = mpfr_get_emax();
    int inexact = mpfr_set(*rounded_, value, MPFR_RNDN);
    mpfr_set_emin(format.emin);
    mpfr_set_emax(format.emax);
    inexact = mpfr_check_range(*rounded_, inexact, MPFR_RNDN);
    mpfr_subnormalize(*rounded_, inexact, MPFR_RNDN);
    mpfr_set_emin(emin);
    mpfr_set_emax(emax);
    const bool overflow = mpfr_inf_p(*rounded_) != 0 && mpfr_inf_p(value) == 0;
    mpfr_set(value, *rounded_, MPFR_RNDN);
    return overflow;
  }

  /// The extended operations: each result rounded to 64 bits.
  void Multiply(mpfr_ptr to, mpfr_srcptr a, mpfr_srcptr b) {
    mpfr_mul(to, a, b, MPFR_RNDN);
    RoundInto(to, kExtended);
  }
  void Add(mpfr_ptr to, mpfr_srcptr a, mpfr_srcptr b) {
    mpfr_add(to, a, b, MPFR_RNDN);
    RoundInto(to, kExtended);
  }
  void Subtract(mpfr_ptr to, mpfr_srcptr a, mpfr_srcptr b) {
    mpfr_sub(to, a, b, MPFR_RNDN);
    RoundInto(to, kExtended);
  }
  /// Also names the condition a division by zero raises.
  std::optional<ArithmeticCondition> Divide(mpfr_ptr to, mpfr_srcptr a, mpfr_srcptr b) {
    if (mpfr_zero_p(b) != 0) {
      return mpfr_zero_p(a) != 0 ? ArithmeticCondition::InvalidOperation
                                 : ArithmeticCondition::DivisionByZero;
    }
    mpfr_div(to, a, b, MPFR_RNDN);
    RoundInto(to, kExtended);
    return std::nullopt;
  }

  /// 300 / value, one step; shared by the wavelength and the frequency.
  Outcome Evaluate(const FormulaInput& input) {
    const auto [formula, first, second, turns] = input;
    switch (formula) {
      case Formula::CalcWelang:
      case Formula::CalcFreq:
        return WaveDivision(first);
      case Formula::CalcDipol:
        return CalcDipol(first, second);
      case Formula::CalcSpule:
        return CalcSpule(first, second, turns);
      case Formula::CalcResfreq:
        return CalcResfreq(first, second);
      case Formula::CalcLoopInduk:
        return CalcLoopInduk(first, second);
    }
    return {0, ArithmeticCondition::Overflow};
  }

 private:
  Outcome WaveDivision(double value) {
    Set(*a_, kWaveConstant);
    Set(*b_, value);
    if (const auto condition = Divide(*a_, *a_, *b_)) return Outcome(1, *condition);
    if (RoundInto(*a_, kDouble)) return Outcome(1, ArithmeticCondition::Overflow);
    return {mpfr_get_d(*a_, MPFR_RNDN)};
  }

  Outcome CalcDipol(double frequencyMHz, double wireMm) {
    using enum ArithmeticCondition;
    Set(*a_, wireMm);
    Set(*b_, 1000);
    (void)Divide(*c_, *a_, *b_);
    RoundInto(*c_, kDouble);  // step 1 cannot fail
    Set(*a_, kWaveConstant);
    Set(*b_, frequencyMHz);
    if (const auto condition = Divide(*a_, *a_, *b_)) return Outcome(2, *condition);
    Set(*b_, 2);
    (void)Divide(*a_, *a_, *b_);
    if (RoundInto(*a_, kDouble)) return Outcome(2, Overflow);
    const double halfWave = mpfr_get_d(*a_, MPFR_RNDN);
    Add(*b_, *a_, *c_);
    if (const auto condition = Divide(*b_, *a_, *b_)) return Outcome(3, *condition);
    if (RoundInto(*b_, kDouble)) return Outcome(3, Overflow);
    Multiply(*a_, *a_, *b_);
    if (RoundInto(*a_, kDouble)) return Outcome(4, Overflow);
    return {DipoleLengths{halfWave, mpfr_get_d(*a_, MPFR_RNDN)}};
  }

  Outcome CalcResfreq(double inductanceUH, double capacitancePF) {
    using enum ArithmeticCondition;
    Set(*a_, inductanceUH);
    Set(*b_, 1000000);
    (void)Divide(*a_, *a_, *b_);
    RoundInto(*a_, kDouble);  // steps 1 to 3 cannot fail
    Set(*b_, capacitancePF);
    Set(*c_, 1000000000000);
    (void)Divide(*b_, *b_, *c_);
    RoundInto(*b_, kDouble);
    Multiply(*a_, *b_, *a_);
    // Handed to the square root as a Double; an overflow there stays pending
    // until the test of step 5.
    const bool overflow = RoundInto(*a_, kDouble);
    if (mpfr_sgn(*a_) < 0) return Outcome(4, SquareRootOfNegative);
    mpfr_sqrt(*a_, *a_, MPFR_RNDN);
    RoundInto(*a_, kDouble);
    Set(*b_, kTwoPi);
    Multiply(*a_, *a_, *b_);
    Set(*b_, 1);
    if (const auto condition = Divide(*a_, *b_, *a_)) return Outcome(5, *condition);
    if (RoundInto(*a_, kDouble) || overflow) return Outcome(5, Overflow);
    Set(*b_, 1000);
    (void)Divide(*a_, *a_, *b_);
    if (RoundInto(*a_, kDouble)) return Outcome(6, Overflow);
    return {mpfr_get_d(*a_, MPFR_RNDN)};
  }

  Outcome CalcSpule(double diameterCm, double lengthCm, std::int16_t turns) {
    using enum ArithmeticCondition;
    Set(*a_, diameterCm);
    Set(*b_, 200);
    (void)Divide(*radius_, *a_, *b_);
    RoundInto(*radius_, kDouble);  // step 1 cannot fail
    mpfr_sqr(*area_, *radius_, MPFR_RNDN);
    RoundInto(*area_, kExtended);
    Set(*a_, kPi);
    Multiply(*area_, *area_, *a_);
    if (RoundInto(*area_, kDouble)) return Outcome(2, Overflow);

    Set(*a_, turns);
    mpfr_sqr(*a_, *a_, MPFR_RNDN);  // exact: at most 2^30
    Set(*b_, kMagneticConstant);
    Multiply(*a_, *a_, *b_);
    Multiply(*a_, *a_, *area_);
    Set(*b_, lengthCm);
    Set(*c_, 100);
    (void)Divide(*b_, *b_, *c_);
    if (const auto condition = Divide(*a_, *a_, *b_)) return Outcome(3, *condition);
    if (RoundInto(*a_, kDouble)) return Outcome(3, Overflow);
    Set(*b_, 1000000);
    Multiply(*a_, *a_, *b_);
    if (RoundInto(*a_, kDouble)) return Outcome(4, Overflow);
    return {mpfr_get_d(*a_, MPFR_RNDN)};
  }

  Outcome CalcLoopInduk(double loopMm, double wireMm) {
    using enum ArithmeticCondition;
    Set(*a_, loopMm);
    Set(*b_, 8);
    Multiply(*a_, *a_, *b_);
    Set(*b_, wireMm);
    if (const auto condition = Divide(*a_, *a_, *b_)) return Outcome(1, *condition);
    // Handed to the logarithm as a Double; an overflow there stays pending
    // until the test of step 3.
    const bool overflow = RoundInto(*a_, kDouble);
    if (mpfr_sgn(*a_) <= 0) return Outcome(2, LogarithmOfNonPositive);
    mpfr_log(*a_, *a_, MPFR_RNDN);
    RoundInto(*a_, kDouble);
    Set(*b_, 2);
    Subtract(*a_, *a_, *b_);
    Set(*b_, loopMm);
    Set(*c_, kLoopFactor);
    Multiply(*b_, *b_, *c_);
    Multiply(*a_, *b_, *a_);
    if (RoundInto(*a_, kDouble) || overflow) return Outcome(3, Overflow);
    return {mpfr_get_d(*a_, MPFR_RNDN)};
  }

  static void Set(mpfr_ptr to, double value) { mpfr_set_d(to, value, MPFR_RNDN); }

  Real rounded_;
  Real a_, b_, c_, radius_, area_;
};

class ReferenceTest : public ::testing::TestWithParam<Formula> {};

TEST_P(ReferenceTest, AgreesBitForBitForEveryInputKind) {
  Reference reference;
  InputGenerator generate(static_cast<std::uint64_t>(GetParam()) + 11);
  const int inputs = InputsPerFormula();
  for (int i = 0; i < inputs; ++i) {
    const FormulaInput input = generate.Next(GetParam(), i);
    ASSERT_EQ(Evaluate(input), reference.Evaluate(input)) << input;
  }
}

INSTANTIATE_TEST_SUITE_P(AllFormulas, ReferenceTest, ::testing::ValuesIn(kAllFormulas),
                         [](const auto& info) { return std::string(NameOf(info.param)); });

}  // namespace
}  // namespace welvaro::formulas
