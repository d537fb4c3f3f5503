#include "step_rule.h"

#include <cfenv>

#include "failures.h"

namespace welvaro::formulas {

namespace {
constexpr int kTestedConditions = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;
}

StepRule::StepRule() { std::feclearexcept(kTestedConditions); }

double StepRule::Store(int step, long double value) const {
  const volatile auto stored = static_cast<double>(value);
  Test(step);
  return stored;
}

long double StepRule::TestUnrounded(int step, long double value) const {
  const volatile long double kept = value;
  Test(step);
  return kept;
}

double StepRule::HandOver(long double value) {
  const volatile auto stored = static_cast<double>(value);
  return stored;
}

void StepRule::Test(int step) {
  const int raised = std::fetestexcept(kTestedConditions);
  if ((raised & FE_INVALID) != 0)
    throw ArithmeticError(step, ArithmeticCondition::InvalidOperation);
  if ((raised & FE_DIVBYZERO) != 0)
    throw ArithmeticError(step, ArithmeticCondition::DivisionByZero);
  if ((raised & FE_OVERFLOW) != 0) throw ArithmeticError(step, ArithmeticCondition::Overflow);
}

}  // namespace welvaro::formulas
