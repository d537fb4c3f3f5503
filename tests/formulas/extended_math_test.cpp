#include "extended_math.h"

#include <gtest/gtest.h>

#include <limits>

#include "failures.h"

namespace welvaro::formulas {
namespace {

constexpr double kSmallest = std::numeric_limits<double>::denorm_min();
constexpr double kLargest = std::numeric_limits<double>::max();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct FunctionCase {
  const char* name;
  double (*function)(int, double);
  double argument;
  double expected;
};

class CorrectlyRoundedTest : public ::testing::TestWithParam<FunctionCase> {};

TEST_P(CorrectlyRoundedTest, AtTheEdgesOfTheDoubleRange) {
  const FunctionCase& c = GetParam();
  EXPECT_EQ(c.function(2, c.argument), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CorrectlyRoundedTest,
    ::testing::Values(FunctionCase{"log_one", NaturalLogarithm, 1, 0.0},
                      FunctionCase{"log_smallest", NaturalLogarithm, kSmallest, -744.4400719213812},
                      FunctionCase{"log_smallest_normal", NaturalLogarithm,
                                   std::numeric_limits<double>::min(), -708.3964185322641},
                      FunctionCase{"log_largest", NaturalLogarithm, kLargest, 709.782712893384},
                      FunctionCase{"log_infinity", NaturalLogarithm, kInfinity, kInfinity},
                      FunctionCase{"root_smallest", SquareRoot, kSmallest, 2.2227587494850775e-162},
                      FunctionCase{"root_largest", SquareRoot, kLargest, 1.3407807929942596e+154},
                      FunctionCase{"root_two", SquareRoot, 2, 1.4142135623730951},
                      FunctionCase{"root_of_minus_zero", SquareRoot, -0.0, -0.0},
                      FunctionCase{"root_infinity", SquareRoot, kInfinity, kInfinity}),
    [](const auto& info) { return std::string(info.param.name); });

struct DomainCase {
  const char* name;
  double (*function)(int, double);
  double argument;
  ArithmeticCondition condition;
};

class DomainTest : public ::testing::TestWithParam<DomainCase> {};

TEST_P(DomainTest, RefusesArgumentsOutsideTheDomain) {
  const DomainCase& c = GetParam();
  try {
    (void)c.function(2, c.argument);
    ADD_FAILURE() << c.argument;
  } catch (const ArithmeticError& error) {
    EXPECT_EQ(error.step(), 2);
    EXPECT_EQ(error.condition(), c.condition);
  }
}

using enum ArithmeticCondition;

INSTANTIATE_TEST_SUITE_P(
    Cases, DomainTest,
    ::testing::Values(
        DomainCase{"log_zero", NaturalLogarithm, 0.0, LogarithmOfNonPositive},
        DomainCase{"log_minus_zero", NaturalLogarithm, -0.0, LogarithmOfNonPositive},
        DomainCase{"log_negative", NaturalLogarithm, -1.0, LogarithmOfNonPositive},
        DomainCase{"log_minus_infinity", NaturalLogarithm, -kInfinity, LogarithmOfNonPositive},
        DomainCase{"root_negative", SquareRoot, -kSmallest, SquareRootOfNegative},
        DomainCase{"root_minus_infinity", SquareRoot, -kInfinity, SquareRootOfNegative}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace welvaro::formulas
