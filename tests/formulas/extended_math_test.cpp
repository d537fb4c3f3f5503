#include "extended_math.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>

#include "failures.h"

namespace welvaro::formulas {
namespace {

constexpr double kSmallest = std::numeric_limits<double>::denorm_min();
constexpr double kLargest = std::numeric_limits<double>::max();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

/// A correctly rounded result, or the condition the argument is refused with.
struct FunctionCase {
  const char* name;
  double (*function)(int, double);
  double argument;
  double expected;
  std::optional<ArithmeticCondition> refused;
};

class FunctionTest : public ::testing::TestWithParam<FunctionCase> {};

TEST_P(FunctionTest, IsCorrectlyRoundedOrRefused) {
  const FunctionCase& c = GetParam();
  try {
    EXPECT_EQ(c.function(2, c.argument), c.expected);
    EXPECT_FALSE(c.refused);
  } catch (const ArithmeticError& error) {
    EXPECT_EQ(error.step(), 2);
    EXPECT_EQ(error.condition(), c.refused);
  }
}

using enum ArithmeticCondition;

INSTANTIATE_TEST_SUITE_P(
    Cases, FunctionTest,
    ::testing::Values(
        FunctionCase{"log_one", NaturalLogarithm, 1, 0.0, {}},
        FunctionCase{"log_smallest", NaturalLogarithm, kSmallest, -744.4400719213812, {}},
        FunctionCase{"log_smallest_normal",
                     NaturalLogarithm,
                     std::numeric_limits<double>::min(),
                     -708.3964185322641,
                     {}},
        FunctionCase{"log_largest", NaturalLogarithm, kLargest, 709.782712893384, {}},
        FunctionCase{"log_infinity", NaturalLogarithm, kInfinity, kInfinity, {}},
        FunctionCase{"log_zero", NaturalLogarithm, 0.0, 0, LogarithmOfNonPositive},
        FunctionCase{"log_minus_zero", NaturalLogarithm, -0.0, 0, LogarithmOfNonPositive},
        FunctionCase{"log_negative", NaturalLogarithm, -1.0, 0, LogarithmOfNonPositive},
        FunctionCase{"log_minus_infinity", NaturalLogarithm, -kInfinity, 0, LogarithmOfNonPositive},
        FunctionCase{"root_two", SquareRoot, 2, 1.4142135623730951, {}},
        FunctionCase{"root_smallest", SquareRoot, kSmallest, 2.2227587494850775e-162, {}},
        FunctionCase{"root_largest", SquareRoot, kLargest, 1.3407807929942596e+154, {}},
        FunctionCase{"root_of_minus_zero", SquareRoot, -0.0, -0.0, {}},
        FunctionCase{"root_infinity", SquareRoot, kInfinity, kInfinity, {}},
        FunctionCase{"root_negative", SquareRoot, -kSmallest, 0, SquareRootOfNegative}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace welvaro::formulas
