#pragma once

#include <cstdint>

namespace welvaro::formulas {

/// Long air-core coil: µH = N² · µ0 · π (diameter / 200)² / (length / 100) · 10⁶,
/// diameter and length in cm.
[[nodiscard]] double CalcSpule(double diameterCm, double lengthCm, std::int16_t turns);

/// Thomson formula: kHz = 1 / (2π √(L · C)) / 1000, L in µH, C in pF.
[[nodiscard]] double CalcResfreq(double inductanceUH, double capacitancePF);

/// Single-turn loop: µH = 0.0002 · π · D · (ln(8 D / d) − 2), D and d in mm.
[[nodiscard]] double CalcLoopInduk(double loopMm, double wireMm);

}  // namespace welvaro::formulas
