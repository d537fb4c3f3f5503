#include "wave_formulas.h"

#include "constants.h"
#include "extended.h"
#include "step_rule.h"

namespace welvaro::formulas {

namespace {
constexpr double kMillimetresPerMetre = 1000;
constexpr double kHalfWaveDivisor = 2;
}  // namespace

double CalcWelang(double frequencyMHz) {
  const StepRule rule;
  return rule.Store(1, Extended{kWaveConstant} / frequencyMHz);
}

double CalcFreq(double wavelengthM) {
  const StepRule rule;
  return rule.Store(1, Extended{kWaveConstant} / wavelengthM);
}

DipoleLengths CalcDipol(double frequencyMHz, double wireMm) {
  const StepRule rule;
  const double wireM = rule.Store(1, Extended{wireMm} / kMillimetresPerMetre);
  // Halved before rounding, so a wavelength just beyond the Double range
  // still gives a half-wave length.
  const double halfWaveM = rule.Store(2, Extended{kWaveConstant} / frequencyMHz / kHalfWaveDivisor);
  const double factor = rule.Store(3, halfWaveM / (Extended{halfWaveM} + wireM));
  const double correctedM = rule.Store(4, Extended{halfWaveM} * factor);
  return {halfWaveM, correctedM};
}

}  // namespace welvaro::formulas
