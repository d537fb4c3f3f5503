#include "step_rule.h"

#include "failures.h"

namespace welvaro::formulas {

StepRule::StepRule() noexcept {
  mpfr_clear_nanflag();
  mpfr_clear_divby0();
  mpfr_clear_overflow();
}

double StepRule::Store(int step, const Extended& value) const {
  const double stored = value.ToDouble();
  Test(step);
  return stored;
}

Extended StepRule::TestUnrounded(int step, const Extended& value) const {
  Test(step);
  return value;
}

void StepRule::Test(int step) {
  if (mpfr_nanflag_p() != 0) throw ArithmeticError(step, ArithmeticCondition::InvalidOperation);
  if (mpfr_divby0_p() != 0) throw ArithmeticError(step, ArithmeticCondition::DivisionByZero);
  if (mpfr_overflow_p() != 0) throw ArithmeticError(step, ArithmeticCondition::Overflow);
}

}  // namespace welvaro::formulas
