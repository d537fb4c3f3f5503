#pragma once

namespace welvaro::formulas {

// Every constant that involves pi derives from this 15-digit value, not from
// the full-precision pi: the published results were computed with it.
inline constexpr double kPi = 3.14159265358979;
inline constexpr double kTwoPi = 6.28318530717958;
/// Magnetic constant in H/m: 4e-7 times kPi, rounded to Double.
inline constexpr double kMagneticConstant = 1.256637061435916e-06;
/// 0.0002 times kPi, rounded to Double; inductance of a loop in µH per mm.
inline constexpr double kLoopFactor = 0.0006283185307179581;

/// 300 / MHz = m; the rounded speed of light, as radio amateurs use it.
inline constexpr double kWaveConstant = 300;

static_assert(kTwoPi == 2 * kPi);

}  // namespace welvaro::formulas
