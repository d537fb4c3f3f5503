#include "format_result.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "notations.h"
#include "number_text.h"

namespace welvaro {
namespace {

using testing::CommaNotation;
using testing::PointNotation;

struct FormatCase {
  const char* name;
  double value;
  const char* pattern;
  RegionalNotation notation;
  const char* expected;
};

class FormatResultTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatResultTest, WritesThePattern) {
  const FormatCase& c = GetParam();
  EXPECT_EQ(FormatResult(c.value, c.pattern, c.notation), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatResultTest,
    ::testing::Values(
        FormatCase{"wavelength", 42.2535211, "0.00 m", PointNotation(), "42.25 m"},
        FormatCase{"wavelength_comma", 42.2535211, "0.00 m", CommaNotation(), "42,25 m"},
        FormatCase{"frequency", 42.2535211, "0.00 MHz", PointNotation(), "42.25 MHz"},
        FormatCase{"dipole", 42.2535211, "0.000 m", PointNotation(), "42.254 m"},
        FormatCase{"message", 42.2535211, "0.000", PointNotation(), "42.254"},
        FormatCase{"leading_zero", 0.5, "0.000", PointNotation(), "0.500"},
        FormatCase{"no_grouping", 1234567.891, "0.00 m", PointNotation(), "1234567.89 m"},
        FormatCase{"no_grouping_comma", 1234567.891, "0.00 m", CommaNotation(), "1234567,89 m"},
        FormatCase{"negative", -3, "0.00 MHz", PointNotation(), "-3.00 MHz"},
        FormatCase{"zero", 0, "0.00 m", PointNotation(), "0.00 m"},
        FormatCase{"minus_zero", -0.0, "0.000", PointNotation(), "0.000"},
        FormatCase{"negative_rounding_to_zero", -0.0001, "0.000", PointNotation(), "0.000"},
        FormatCase{"exact_half_away_from_zero", 0.125, "0.00 m", PointNotation(), "0.13 m"},
        FormatCase{"negative_exact_half", -0.125, "0.00 m", PointNotation(), "-0.13 m"},
        FormatCase{"exact_half_of_thousandth", 0.0625, "0.000", PointNotation(), "0.063"},
        FormatCase{"binary_just_below_half", 1.005, "0.00 m", PointNotation(), "1.00 m"},
        FormatCase{"binary_just_below_half_thousandth", 1.0005, "0.000", PointNotation(), "1.000"},
        FormatCase{"carry_into_integer", 9.996, "0.00 MHz", PointNotation(), "10.00 MHz"},
        FormatCase{"carry_into_new_digit", 999.9999, "0.000", PointNotation(), "1000.000"},
        FormatCase{"binary_just_above_half", 0.9995, "0.000", PointNotation(), "1.000"},
        FormatCase{"subnormal", std::numeric_limits<double>::denorm_min(), "0.000", PointNotation(),
                   "0.000"},
        FormatCase{"unit_copied", 7.5, "0.00 MHz", CommaNotation(), "7,50 MHz"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FormatResultTest, WritesAllIntegerDigitsOfHugeValues) {
  const std::string text = FormatResult(1e300, "0.000", PointNotation());
  EXPECT_EQ(text.size(), 301U + 4U);
  EXPECT_EQ(text.find_first_of("e,"), std::string::npos);
  EXPECT_EQ(text.substr(0, 20), "10000000000000000525");
  EXPECT_EQ(text.substr(301), ".000");
  EXPECT_EQ(TextToDouble(text, testing::UngroupedPointNotation()), 1e300);

  const std::string largest =
      FormatResult(-std::numeric_limits<double>::max(), "0.00 m", CommaNotation());
  EXPECT_EQ(largest.size(), 1U + 309U + 3U + 2U);
  EXPECT_EQ(largest.substr(0, 5), "-1797");
  EXPECT_EQ(largest.substr(310), ",00 m");
}

}  // namespace
}  // namespace welvaro
