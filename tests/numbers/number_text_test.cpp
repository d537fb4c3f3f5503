#include "number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "failures.h"
#include "notations.h"

namespace welvaro {
namespace {

using testing::CommaNotation;
using testing::PointNotation;
using testing::SpaceGroupNotation;

struct TextCase {
  const char* name;
  RegionalNotation notation;
  std::string text;
  std::optional<double> value;  // nullopt: not a number
};

class TextToDoubleTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextToDoubleTest, AgreesWithIsNumericAndConverts) {
  const TextCase& c = GetParam();
  EXPECT_EQ(IsNumeric(c.text, c.notation), c.value.has_value());
  if (c.value) {
    const double converted = TextToDouble(c.text, c.notation);
    EXPECT_EQ(converted, *c.value);
    EXPECT_EQ(std::signbit(converted), std::signbit(*c.value));
  } else {
    EXPECT_THROW((void)TextToDouble(c.text, c.notation), ConversionError);
  }
}

constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kSmallestSubnormal = std::numeric_limits<double>::denorm_min();

INSTANTIATE_TEST_SUITE_P(
    PointRegion, TextToDoubleTest,
    ::testing::Values(
        TextCase{"decimal", PointNotation(), "7.1", 7.1},
        TextCase{"zero", PointNotation(), "0", 0.0},
        TextCase{"blanks_around", PointNotation(), " \t7.1  ", 7.1},
        TextCase{"no_break_spaces_around", PointNotation(), "\u00A07.1\u202F", 7.1},
        TextCase{"minus", PointNotation(), "-7.1", -7.1},
        TextCase{"minus_zero", PointNotation(), "-0", -0.0},
        TextCase{"plus", PointNotation(), "+7.1", 7.1},
        TextCase{"grouped", PointNotation(), "1,234.5", 1234.5},
        TextCase{"grouped_twice", PointNotation(), "12,345,678", 12345678.0},
        TextCase{"leading_point", PointNotation(), ".5", 0.5},
        TextCase{"trailing_point", PointNotation(), "5.", 5.0},
        TextCase{"exponent", PointNotation(), "1.5E-3", 0.0015},
        TextCase{"exponent_plus", PointNotation(), "2e+3", 2000.0},
        TextCase{"largest", PointNotation(), "1.7976931348623157e308", kMax},
        TextCase{"smallest_subnormal", PointNotation(), "4.9e-324", kSmallestSubnormal},
        TextCase{"below_range_is_zero", PointNotation(), "1e-400", 0.0},
        TextCase{"below_range_keeps_sign", PointNotation(), "-0.0001e-400", -0.0},
        TextCase{"tie_to_even", PointNotation(), "9007199254740993", 9007199254740992.0},
        TextCase{"exact_binary_value", PointNotation(),
                 "0.1000000000000000055511151231257827021181583404541015625", 0.1},
        TextCase{"comma_misplaced", PointNotation(), "7,1", std::nullopt},
        TextCase{"group_too_long", PointNotation(), "1,2345", std::nullopt},
        TextCase{"first_group_too_long", PointNotation(), "1234,567", std::nullopt},
        TextCase{"group_in_fraction", PointNotation(), "1.234,567", std::nullopt},
        TextCase{"group_at_end", PointNotation(), "1,", std::nullopt},
        TextCase{"group_first", PointNotation(), ",123", std::nullopt},
        TextCase{"blank_is_no_group_here", PointNotation(), "1 234", std::nullopt},
        TextCase{"empty", PointNotation(), "", std::nullopt},
        TextCase{"blanks", PointNotation(), "   ", std::nullopt},
        TextCase{"letters", PointNotation(), "abc", std::nullopt},
        TextCase{"trailing_letters", PointNotation(), "7.1 MHz", std::nullopt},
        TextCase{"infinity", PointNotation(), "inf", std::nullopt},
        TextCase{"not_a_number", PointNotation(), "nan", std::nullopt},
        TextCase{"hexadecimal", PointNotation(), "0x10", std::nullopt},
        TextCase{"lone_point", PointNotation(), ".", std::nullopt},
        TextCase{"lone_minus", PointNotation(), "-", std::nullopt},
        TextCase{"lone_plus", PointNotation(), "+", std::nullopt},
        TextCase{"double_sign", PointNotation(), "--5", std::nullopt},
        TextCase{"sign_after", PointNotation(), "5-", std::nullopt},
        TextCase{"two_points", PointNotation(), "7.1.2", std::nullopt},
        TextCase{"exponent_without_digits", PointNotation(), "1e", std::nullopt},
        TextCase{"exponent_alone", PointNotation(), "e5", std::nullopt},
        TextCase{"currency", PointNotation(), "$5", std::nullopt},
        TextCase{"parentheses", PointNotation(), "(5)", std::nullopt},
        TextCase{"other_script_digit", PointNotation(), "\u0663", std::nullopt},
        TextCase{"above_range", PointNotation(), "1e400", std::nullopt},
        TextCase{"above_range_negative", PointNotation(), "-1.7976931348623159e308",
                 std::nullopt},
        TextCase{"huge_exponent", PointNotation(), "1e99999999999999999999999", std::nullopt},
        TextCase{"tiny_huge_exponent", PointNotation(), "1e-99999999999999999999999", 0.0}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    CommaRegion, TextToDoubleTest,
    ::testing::Values(
        TextCase{"decimal", CommaNotation(), "7,1", 7.1},
        TextCase{"point_misplaced", CommaNotation(), "7.1", std::nullopt},
        TextCase{"grouped", CommaNotation(), "1.234,5", 1234.5},
        TextCase{"grouped_twice", CommaNotation(), "1.234.567", 1234567.0},
        TextCase{"group_in_fraction", CommaNotation(), "1,234.567", std::nullopt},
        TextCase{"minus", CommaNotation(), "-0,5", -0.5},
        TextCase{"exponent", CommaNotation(), "1,5e3", 1500.0},
        TextCase{"lone_comma", CommaNotation(), ",", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    SpaceGroupRegion, TextToDoubleTest,
    ::testing::Values(
        TextCase{"narrow_no_break_space", SpaceGroupNotation(), "1\u202F234,5", 1234.5},
        TextCase{"no_break_space", SpaceGroupNotation(), "1\u00A0234,5", 1234.5},
        TextCase{"plain_space", SpaceGroupNotation(), "1 234 567", 1234567.0},
        TextCase{"true_minus", SpaceGroupNotation(), "\u22125", -5.0},
        TextCase{"ascii_minus", SpaceGroupNotation(), "-5", -5.0},
        TextCase{"misplaced_space", SpaceGroupNotation(), "12 34", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextToDoubleTest, LongInputsConvertOrFailQuickly) {
  const std::string manyZeros(1'000'000, '0');
  EXPECT_EQ(TextToDouble("1" + manyZeros.substr(0, 300), PointNotation()), 1e300);
  EXPECT_FALSE(IsNumeric("1" + manyZeros, PointNotation()));
  EXPECT_EQ(TextToDouble("0." + manyZeros + "1", PointNotation()), 0.0);
  EXPECT_EQ(TextToDouble(manyZeros + "7.1", PointNotation()), 7.1);
}

struct IntegerCase {
  const char* name;
  std::string text;
  std::optional<int> value;  // nullopt: ConversionError
};

class TextToIntegerTest : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(TextToIntegerTest, RoundsThenChecksTheRange) {
  const IntegerCase& c = GetParam();
  if (c.value) {
    EXPECT_EQ(TextToInteger(c.text, PointNotation()), *c.value);
  } else {
    EXPECT_THROW((void)TextToInteger(c.text, PointNotation()), ConversionError);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextToIntegerTest,
    ::testing::Values(IntegerCase{"whole", "20", 20}, IntegerCase{"rounds_down", "20.4", 20},
                      IntegerCase{"half_away_from_zero", "20.5", 21},
                      IntegerCase{"negative_half_away_from_zero", "-20.5", -21},
                      IntegerCase{"negative", "-20", -20}, IntegerCase{"exponent", "1e4", 10000},
                      IntegerCase{"top", "32767.4", 32767},
                      IntegerCase{"above_top", "32767.5", std::nullopt},
                      IntegerCase{"bottom", "-32768", -32768},
                      IntegerCase{"below_bottom", "-32768.5", std::nullopt},
                      IntegerCase{"forty_thousand", "40000", std::nullopt},
                      IntegerCase{"far_above", "1e300", std::nullopt},
                      IntegerCase{"letters", "abc", std::nullopt},
                      IntegerCase{"empty", "", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace welvaro
