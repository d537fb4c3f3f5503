#include "formula_failure_test.h"

namespace welvaro::formulas {
namespace {

TEST_P(FormulaFailureTest, RaisesAtTheNamedStep) {
  const FailureCase& c = GetParam();
  try {
    (void)c.formula();
    ADD_FAILURE() << "no ArithmeticError";
  } catch (const ArithmeticError& error) {
    EXPECT_EQ(error.step(), c.step);
    EXPECT_EQ(error.condition(), c.condition);
  }
}

}  // namespace
}  // namespace welvaro::formulas
