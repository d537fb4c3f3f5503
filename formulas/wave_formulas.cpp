#include "wave_formulas.h"

#include "constants.h"
#include "step_rule.h"

namespace welvaro::formulas {

namespace {
using Extended = long double;
constexpr Extended kMillimetresPerMetre = 1000;
constexpr Extended kHalfWaveDivisor = 2;
}  // namespace

double CalcWelang(double frequencyMHz) {
  const StepRule rule;
  return rule.Store(1, kWaveConstant / Extended{frequencyMHz});
}

double CalcFreq(double wavelengthM) {
  const StepRule rule;
  return rule.Store(1, kWaveConstant / Extended{wavelengthM});
}

DipoleLengths CalcDipol(double frequencyMHz, double wireMm) {
  const StepRule rule;
  const double wireM = rule.Store(1, wireMm / kMillimetresPerMetre);
  // Halved before rounding, so a wavelength just beyond the Double range
  // still gives a half-wave length.
  const double halfWaveM = rule.Store(2, kWaveConstant / Extended{frequencyMHz} / kHalfWaveDivisor);
  const double factor = rule.Store(3, halfWaveM / (Extended{halfWaveM} + wireM));
  const double correctedM = rule.Store(4, Extended{halfWaveM} * factor);
  return {halfWaveM, correctedM};
}

}  // namespace welvaro::formulas
