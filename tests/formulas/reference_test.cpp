// The coil and loop formulas against an independent reference: every step
// recomputed with MPFR at 256 bits from the Doubles it is given, each value
// the extended format keeps rounded to 64 bits in that format's exponent
// range, each stored value rounded to a Double, subnormals included. Results
// and failures must agree bit for bit.
#include <gtest/gtest.h>
#include <mpfr.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>
#include <ostream>
#include <random>

#include "coil_formulas.h"
#include "constants.h"
#include "failures.h"

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

/// The outcome of a formula: its result, or the step and condition it failed.
struct Outcome {
  std::optional<double> result;
  int step = 0;
  ArithmeticCondition condition = ArithmeticCondition::Overflow;

  static Outcome Failure(int step, ArithmeticCondition condition) { return {{}, step, condition}; }
  bool operator==(const Outcome& other) const {
    if (result && other.result) {
      return std::bit_cast<std::uint64_t>(*result) == std::bit_cast<std::uint64_t>(*other.result);
    }
    return !result && !other.result && step == other.step && condition == other.condition;
  }
};

std::ostream& operator<<(std::ostream& out, const Outcome& outcome) {
  if (outcome.result) return out << std::hexfloat << *outcome.result << std::defaultfloat;
  return out << "failure in step " << outcome.step << " (condition "
             << static_cast<int>(outcome.condition) << ')';
}

template <typename Formula>
Outcome OutcomeOf(Formula formula) {
  try {
    return {formula()};
  } catch (const ArithmeticError& error) {
    return Outcome::Failure(error.step(), error.condition());
  }
}

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
    if (RoundInto(*area_, kDouble)) return Outcome::Failure(2, Overflow);

    Set(*a_, turns);
    mpfr_sqr(*a_, *a_, MPFR_RNDN);  // exact: at most 2^30
    Set(*b_, kMagneticConstant);
    Multiply(*a_, *a_, *b_);
    Multiply(*a_, *a_, *area_);
    Set(*b_, lengthCm);
    Set(*c_, 100);
    (void)Divide(*b_, *b_, *c_);
    if (const auto condition = Divide(*a_, *a_, *b_)) return Outcome::Failure(3, *condition);
    if (RoundInto(*a_, kDouble)) return Outcome::Failure(3, Overflow);
    Set(*b_, 1000000);
    Multiply(*a_, *a_, *b_);
    if (RoundInto(*a_, kDouble)) return Outcome::Failure(4, Overflow);
    return {mpfr_get_d(*a_, MPFR_RNDN)};
  }

  Outcome CalcLoopInduk(double loopMm, double wireMm) {
    using enum ArithmeticCondition;
    Set(*a_, loopMm);
    Set(*b_, 8);
    Multiply(*a_, *a_, *b_);
    Set(*b_, wireMm);
    if (const auto condition = Divide(*a_, *a_, *b_)) return Outcome::Failure(1, *condition);
    // Handed to the logarithm as a Double; an overflow there stays pending
    // until the test of step 3.
    const bool overflow = RoundInto(*a_, kDouble);
    if (mpfr_sgn(*a_) <= 0) return Outcome::Failure(2, LogarithmOfNonPositive);
    mpfr_log(*a_, *a_, MPFR_RNDN);
    RoundInto(*a_, kDouble);
    Set(*b_, 2);
    Subtract(*a_, *a_, *b_);
    Set(*b_, loopMm);
    Set(*c_, kLoopFactor);
    Multiply(*b_, *b_, *c_);
    Multiply(*a_, *b_, *a_);
    if (RoundInto(*a_, kDouble) || overflow) return Outcome::Failure(3, Overflow);
    return {mpfr_get_d(*a_, MPFR_RNDN)};
  }

 private:
  static void Set(mpfr_ptr to, double value) { mpfr_set_d(to, value, MPFR_RNDN); }

  Real rounded_;
  Real a_, b_, c_, radius_, area_;
};

/// Inputs of the kinds users give and the kinds that stress the arithmetic.
class InputGenerator {
 public:
  explicit InputGenerator(std::uint64_t seed) : random_(seed) {}

  /// A size a user might type, from 10^-3 to 10^4, of either sign now and then.
  double Realistic() {
    const double value = std::pow(10.0, std::uniform_real_distribution(-3.0, 4.0)(random_));
    return Chance(0.05) ? -value : value;
  }

  /// Any finite Double: random bits, subnormals, values near the top of the
  /// range, zeros, or a realistic size.
  double Any() {
    switch (std::uniform_int_distribution(0, 5)(random_)) {
      case 0:
        return FromBits(random_());
      case 1:
        return FromBits(random_() & 0x800F'FFFF'FFFF'FFFFULL);  // subnormal
      case 2:
        return NearTop();
      case 3:
        return Chance(0.5) ? 0.0 : -0.0;
      default:
        return Realistic();
    }
  }

  /// A loop diameter for which 8 × loop / wire lies close to e², where the
  /// logarithm minus 2 cancels: the ratio is e² times 1 + 2^-k for k up to 60.
  double NearSquareOfE(double wireMm) {
    const double eSquared = 7.38905609893065;
    const int k = std::uniform_int_distribution(1, 60)(random_);
    const double offset = std::ldexp(std::uniform_real_distribution(-1.0, 1.0)(random_), -k);
    return wireMm * eSquared / 8 * (1 + offset);
  }

  std::int16_t Turns() {
    if (Chance(0.5))
      return static_cast<std::int16_t>(std::uniform_int_distribution(-100, 100)(random_));
    return static_cast<std::int16_t>(std::uniform_int_distribution(-32768, 32767)(random_));
  }

  bool Chance(double probability) { return std::bernoulli_distribution(probability)(random_); }

 private:
  /// Within a factor of 2^8 of the largest Double, of either sign.
  double NearTop() {
    const std::uint64_t exponent =
        2046 - std::uniform_int_distribution<std::uint64_t>(0, 8)(random_);
    return FromBits((random_() & 0x800F'FFFF'FFFF'FFFFULL) | exponent << 52);
  }

  static double FromBits(std::uint64_t bits) {
    const double value = std::bit_cast<double>(bits);
    return std::isfinite(value) ? value : 1.0;
  }

  std::mt19937_64 random_;
};

constexpr int kInputsPerFormula = 500000;

TEST(ReferenceTest, LoopInductanceIsCorrectlyRoundedForEveryInputKind) {
  Reference reference;
  InputGenerator generate(11);
  for (int i = 0; i < kInputsPerFormula; ++i) {
    double loop = 0;
    double wire = 0;
    switch (i % 3) {
      case 0:
        loop = generate.Realistic();
        wire = generate.Realistic();
        break;
      case 1:
        wire = generate.Realistic();
        loop = generate.NearSquareOfE(wire);
        break;
      default:
        loop = generate.Any();
        wire = generate.Any();
    }
    const Outcome expected = reference.CalcLoopInduk(loop, wire);
    const Outcome actual = OutcomeOf([&] { return welvaro::formulas::CalcLoopInduk(loop, wire); });
    ASSERT_EQ(actual, expected) << "CalcLoopInduk(" << std::hexfloat << loop << ", " << wire << ')';
  }
}

TEST(ReferenceTest, CoilInductanceIsCorrectlyRoundedForEveryInputKind) {
  Reference reference;
  InputGenerator generate(13);
  for (int i = 0; i < kInputsPerFormula; ++i) {
    const bool realistic = i % 2 == 0;
    const double diameter = realistic ? generate.Realistic() : generate.Any();
    const double length = realistic ? generate.Realistic() : generate.Any();
    const std::int16_t turns = generate.Turns();
    const Outcome expected = reference.CalcSpule(diameter, length, turns);
    const Outcome actual =
        OutcomeOf([&] { return welvaro::formulas::CalcSpule(diameter, length, turns); });
    ASSERT_EQ(actual, expected) << "CalcSpule(" << std::hexfloat << diameter << ", " << length
                                << ", " << turns << ')';
  }
}

}  // namespace
}  // namespace welvaro::formulas
