#include "formula_inputs.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

#include "coil_formulas.h"

namespace welvaro::formulas {

bool Outcome::operator==(const Outcome& other) const {
  if (results && other.results) {
    return std::bit_cast<std::array<std::uint64_t, 2>>(*results) ==
           std::bit_cast<std::array<std::uint64_t, 2>>(*other.results);
  }
  return !results && !other.results && step == other.step && condition == other.condition;
}

std::ostream& operator<<(std::ostream& out, const Outcome& outcome) {
  if (outcome.results) {
    return out << std::hexfloat << (*outcome.results)[0] << ", " << (*outcome.results)[1]
               << std::defaultfloat;
  }
  return out << "failure in step " << outcome.step << " (condition "
             << static_cast<int>(outcome.condition) << ')';
}

const char* NameOf(Formula formula) {
  constexpr std::array kNames{"CalcWelang", "CalcFreq",    "CalcDipol",
                              "CalcSpule",  "CalcResfreq", "CalcLoopInduk"};
  return kNames.at(static_cast<std::size_t>(formula));
}

std::ostream& operator<<(std::ostream& out, const FormulaInput& input) {
  out << NameOf(input.formula) << '(' << std::hexfloat << input.first;
  if (input.formula != Formula::CalcWelang && input.formula != Formula::CalcFreq)
    out << ", " << input.second;
  if (input.formula == Formula::CalcSpule) out << ", " << input.turns;
  return out << std::defaultfloat << ')';
}

Outcome Evaluate(const FormulaInput& input) {
  const double first = input.first;
  const double second = input.second;
  const std::int16_t turns = input.turns;
  switch (input.formula) {
    case Formula::CalcWelang:
      return OutcomeOf([&] { return CalcWelang(first); });
    case Formula::CalcFreq:
      return OutcomeOf([&] { return CalcFreq(first); });
    case Formula::CalcDipol:
      return OutcomeOf([&] { return CalcDipol(first, second); });
    case Formula::CalcSpule:
      return OutcomeOf([&] { return CalcSpule(first, second, turns); });
    case Formula::CalcResfreq:
      return OutcomeOf([&] { return CalcResfreq(first, second); });
    case Formula::CalcLoopInduk:
      return OutcomeOf([&] { return CalcLoopInduk(first, second); });
  }
  return {0, ArithmeticCondition::Overflow};
}

FormulaInput InputGenerator::Next(Formula formula, int i) {
  FormulaInput input{formula, 0, 0, 0};
  const int kind = i % 3;
  if (kind == 0) {
    input.first = Realistic();
    input.second = Realistic();
  } else {
    input.first = Any();
    input.second = Any();
  }
  if (kind == 1 && formula == Formula::CalcDipol) {
    input.first = Chance(0.9) ? Realistic() : Any();
    input.second = NearNegatedHalfWave(input.first);
  }
  if (kind == 1 && formula == Formula::CalcLoopInduk) {
    input.second = Realistic();
    input.first = NearSquareOfE(input.second);
  }
  if (formula == Formula::CalcSpule) input.turns = Turns();
  return input;
}

/// A size a user might type, from 10^-3 to 10^4, of either sign now and then.
double InputGenerator::Realistic() {
  const double value = std::pow(10.0, std::uniform_real_distribution(-3.0, 4.0)(random_));
  return Chance(0.05) ? -value : value;
}

namespace {
double FromBits(std::uint64_t bits) {
  const double value = std::bit_cast<double>(bits);
  return std::isfinite(value) ? value : 1.0;
}
constexpr std::uint64_t kSignAndSignificand = 0x800F'FFFF'FFFF'FFFFULL;
}  // namespace

/// Any finite Double: random bits, subnormals, values near either end of the
/// normal range, zeros, or a realistic size.
double InputGenerator::Any() {
  switch (std::uniform_int_distribution(0, 6)(random_)) {
    case 0:
      return FromBits(random_());
    case 1:
      return FromBits(random_() & kSignAndSignificand);  // subnormal
    case 2:
      return NearTop();
    case 3:
      return NearBottom();
    case 4:
      return Chance(0.5) ? 0.0 : -0.0;
    default:
      return Realistic();
  }
}

/// Within a factor of 2^8 of the largest Double, of either sign.
double InputGenerator::NearTop() {
  const std::uint64_t exponent = 2046 - std::uniform_int_distribution<std::uint64_t>(0, 8)(random_);
  return FromBits((random_() & kSignAndSignificand) | exponent << 52);
}

/// Within a factor of 2^16 of the smallest normal Double, of either sign: 300
/// divided by it leaves the Double range, and the product of two rounds to 0.
double InputGenerator::NearBottom() {
  const std::uint64_t exponent = std::uniform_int_distribution<std::uint64_t>(1, 16)(random_);
  return FromBits((random_() & kSignAndSignificand) | exponent << 52);
}

/// A loop diameter for which 8 × loop / wire lies close to e², where the
/// logarithm minus 2 cancels: the ratio is e² times 1 + 2^-k for k up to 60.
double InputGenerator::NearSquareOfE(double wireMm) {
  const double eSquared = 7.38905609893065;
  const int k = std::uniform_int_distribution(1, 60)(random_);
  const double offset = std::ldexp(std::uniform_real_distribution(-1.0, 1.0)(random_), -k);
  return wireMm * eSquared / 8 * (1 + offset);
}

/// A wire thickness in mm that nearly cancels the half-wave length of the
/// frequency: the denominator of the shortening factor close to 0.
double InputGenerator::NearNegatedHalfWave(double frequencyMHz) {
  const int k = std::uniform_int_distribution(0, 60)(random_);
  const double offset = std::ldexp(std::uniform_real_distribution(-1.0, 1.0)(random_), -k);
  const double wireMm = -150 / frequencyMHz * 1000 * (1 + offset);
  return std::isfinite(wireMm) ? wireMm : 1.0;
}

std::int16_t InputGenerator::Turns() {
  if (Chance(0.5))
    return static_cast<std::int16_t>(std::uniform_int_distribution(-100, 100)(random_));
  return static_cast<std::int16_t>(std::uniform_int_distribution(-32768, 32767)(random_));
}

bool InputGenerator::Chance(double probability) {
  return std::bernoulli_distribution(probability)(random_);
}

int InputsPerFormula() {
  const char* text = std::getenv("WELVARO_REFERENCE_INPUTS");
  if (text == nullptr) return 200000;
  const std::string_view view(text);
  int count = 0;
  const auto [end, error] = std::from_chars(view.data(), view.data() + view.size(), count);
  if (error != std::errc() || end != view.data() + view.size() || count <= 0) {
    ADD_FAILURE() << "WELVARO_REFERENCE_INPUTS is no positive count: " << view;
    return 0;
  }
  return count;
}

}  // namespace welvaro::formulas
