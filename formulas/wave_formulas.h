#pragma once

namespace welvaro::formulas {

/// wavelength in m = 300 / frequency in MHz
[[nodiscard]] double CalcWelang(double frequencyMHz);

/// frequency in MHz = 300 / wavelength in m
[[nodiscard]] double CalcFreq(double wavelengthM);

struct DipoleLengths {
  double withoutCorrectionM;
  double withCorrectionM;
};

/// Half-wave dipole: length = (300 / MHz) / 2, corrected by the shortening
/// factor length / (length + wire thickness in m).
[[nodiscard]] DipoleLengths CalcDipol(double frequencyMHz, double wireMm);

}  // namespace welvaro::formulas
