#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <ostream>
#include <random>

#include "failures.h"
#include "wave_formulas.h"

namespace welvaro::formulas {

enum class Formula { CalcWelang, CalcFreq, CalcDipol, CalcSpule, CalcResfreq, CalcLoopInduk };

inline constexpr std::array kAllFormulas{Formula::CalcWelang,  Formula::CalcFreq,
                                         Formula::CalcDipol,   Formula::CalcSpule,
                                         Formula::CalcResfreq, Formula::CalcLoopInduk};

const char* NameOf(Formula formula);
inline void PrintTo(Formula formula, std::ostream* out) { *out << NameOf(formula); }

/// The arguments of one call; turns only for the coil.
struct FormulaInput {
  Formula formula;
  double first;
  double second;
  std::int16_t turns;
};

/// The outcome of a formula: its results (the dipole has two), or the step
/// and condition it failed. Results compare bit for bit.
struct Outcome {
  using Results = std::array<double, 2>;
  std::optional<Results> results;
  int step = 0;
  ArithmeticCondition condition = ArithmeticCondition::Overflow;

  Outcome(double result) : results(Results{result, 0}) {}
  Outcome(DipoleLengths lengths)
      : results(Results{lengths.withoutCorrectionM, lengths.withCorrectionM}) {}
  Outcome(int step, ArithmeticCondition condition) : step(step), condition(condition) {}

  bool operator==(const Outcome& other) const;
};

std::ostream& operator<<(std::ostream& out, const Outcome& outcome);
std::ostream& operator<<(std::ostream& out, const FormulaInput& input);

/// Runs a call, catching its ArithmeticError.
template <typename Call>
Outcome OutcomeOf(Call call) {
  try {
    return {call()};
  } catch (const ArithmeticError& error) {
    return {error.step(), error.condition()};
  }
}

/// The program's own formula.
Outcome Evaluate(const FormulaInput& input);

/// Inputs of the kinds users give and the kinds that stress the arithmetic:
/// realistic sizes, the edges of the Double range, and cancellations.
class InputGenerator {
 public:
  explicit InputGenerator(std::uint64_t seed) : random_(seed) {}

  /// The i-th input of a run; each formula mixes its kinds by i.
  FormulaInput Next(Formula formula, int i);

 private:
  double Realistic();
  double Any();
  double NearTop();
  double NearBottom();
  double NearSquareOfE(double wireMm);
  double NearNegatedHalfWave(double frequencyMHz);
  std::int16_t Turns();
  bool Chance(double probability);

  std::mt19937_64 random_;
};

/// Inputs per formula and run: 200000 unless WELVARO_REFERENCE_INPUTS says
/// otherwise (fewer under an emulator).
int InputsPerFormula();

}  // namespace welvaro::formulas
