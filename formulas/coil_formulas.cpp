#include "coil_formulas.h"

#include "constants.h"
#include "extended.h"
#include "extended_math.h"
#include "step_rule.h"

namespace welvaro::formulas {

namespace {
constexpr double kCentimetresDiameterPerMetreRadius = 200;
constexpr double kCentimetresPerMetre = 100;
constexpr double kMicroPerUnit = 1000000;
constexpr double kPicoPerUnit = 1000000000000;
constexpr double kHertzPerKilohertz = 1000;
constexpr double kSquare = 2;
}  // namespace

// A radius so large that its square leaves the Double range stays finite in
// the extended format and fails the overflow test of the area step.
double CalcSpule(double diameterCm, double lengthCm, std::int16_t turns) {
  const StepRule rule;
  const double radiusM = rule.Store(1, Extended{diameterCm} / kCentimetresDiameterPerMetreRadius);
  const double areaM2 = rule.Store(2, Power(radiusM, kSquare) * kPi);
  const double henry =
      rule.Store(3, Power(static_cast<double>(turns), kSquare) * kMagneticConstant * areaM2 /
                        (Extended{lengthCm} / kCentimetresPerMetre));
  return rule.Store(4, Extended{henry} * kMicroPerUnit);
}

// A product beyond the Double range becomes infinite when it is handed to the
// square root; the overflow this raises fails the next tested step.
double CalcResfreq(double inductanceUH, double capacitancePF) {
  const StepRule rule;
  const double henry = rule.Store(1, Extended{inductanceUH} / kMicroPerUnit);
  const double farad = rule.Store(2, Extended{capacitancePF} / kPicoPerUnit);
  const Extended product = rule.TestUnrounded(3, Extended{farad} * henry);
  const double root = SquareRoot(4, StepRule::HandOver(product));
  const double hertz = rule.Store(5, 1.0 / (Extended{root} * kTwoPi));
  return rule.Store(6, Extended{hertz} / kHertzPerKilohertz);
}

// Likewise a ratio beyond the Double range fails the inductance step.
double CalcLoopInduk(double loopMm, double wireMm) {
  const StepRule rule;
  const Extended ratio = rule.TestUnrounded(1, Extended{loopMm} * 8.0 / wireMm);
  const double logarithm = NaturalLogarithm(2, StepRule::HandOver(ratio));
  return rule.Store(3, (Extended{loopMm} * kLoopFactor) * (Extended{logarithm} - 2.0));
}

}  // namespace welvaro::formulas
