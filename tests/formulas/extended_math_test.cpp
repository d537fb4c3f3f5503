#include "extended_math.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <limits>

#include "failures.h"

namespace welvaro::formulas {
namespace {

TEST(NaturalLogarithm, IsCorrectlyRoundedAtTheEdgesOfTheDoubleRange) {
  EXPECT_EQ(NaturalLogarithm(2, 1), 0.0);
  EXPECT_EQ(NaturalLogarithm(2, std::numeric_limits<double>::denorm_min()), -744.4400719213812);
  EXPECT_EQ(NaturalLogarithm(2, std::numeric_limits<double>::min()), -708.3964185322641);
  EXPECT_EQ(NaturalLogarithm(2, std::numeric_limits<double>::max()), 709.782712893384);
  EXPECT_EQ(NaturalLogarithm(2, std::numeric_limits<double>::infinity()),
            std::numeric_limits<double>::infinity());
}

TEST(NaturalLogarithm, NeitherRaisesNorClearsAStatusCondition) {
  for (const int condition : {0, FE_OVERFLOW, FE_DIVBYZERO | FE_INVALID}) {
    std::feclearexcept(FE_ALL_EXCEPT);
    std::feraiseexcept(condition);
    (void)NaturalLogarithm(2, 1e-310);
    EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), condition);
  }
  std::feclearexcept(FE_ALL_EXCEPT);
}

TEST(NaturalLogarithm, RefusesArgumentsNotGreaterThanZero) {
  for (const double argument : {0.0, -0.0, -1.0, -std::numeric_limits<double>::infinity()}) {
    try {
      (void)NaturalLogarithm(2, argument);
      ADD_FAILURE() << argument;
    } catch (const ArithmeticError& error) {
      EXPECT_EQ(error.step(), 2);
      EXPECT_EQ(error.condition(), ArithmeticCondition::LogarithmOfNonPositive);
    }
  }
}

}  // namespace
}  // namespace welvaro::formulas
