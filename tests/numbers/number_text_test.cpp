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

using testing::ArabicNotation;
using testing::CommaNotation;
using testing::IndianNotation;
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
        TextCase{"line_breaks_around", PointNotation(), "\r\n7.1\r\n", 7.1},
        TextCase{"line_feed_after", PointNotation(), "7.1\n", 7.1},
        TextCase{"carriage_return_after", PointNotation(), "7.1\r", 7.1},
        TextCase{"form_feed_vertical_tab_nel", PointNotation(), "\f\v7.1\u0085", 7.1},
        TextCase{"unicode_spaces_around", PointNotation(),
                 "\u3000\u2003\u1680\u205F7.1\u2009\u2028\u2029\u200A", 7.1},
        TextCase{"line_break_inside", PointNotation(), "7\n.1", std::nullopt},
        TextCase{"tab_inside", PointNotation(), "1\t234", std::nullopt},
        TextCase{"line_break_after_sign", PointNotation(), "-\r\n7", std::nullopt},
        TextCase{"unicode_space_in_exponent", PointNotation(), "1e\u20035", std::nullopt},
        TextCase{"line_breaks_only", PointNotation(), "\r\n\t\u3000", std::nullopt},
        TextCase{"zero_width_space_is_no_blank", PointNotation(), "\u200B7.1", std::nullopt},
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
        TextCase{"above_range_negative", PointNotation(), "-1.7976931348623159e308", std::nullopt},
        TextCase{"huge_exponent", PointNotation(), "1e99999999999999999999999", std::nullopt},
        TextCase{"tiny_huge_exponent", PointNotation(), "1e-99999999999999999999999", 0.0}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    CommaRegion, TextToDoubleTest,
    ::testing::Values(TextCase{"decimal", CommaNotation(), "7,1", 7.1},
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
        TextCase{"misplaced_space", SpaceGroupNotation(), "12 34", std::nullopt},
        TextCase{"tab_is_no_group", SpaceGroupNotation(), "1\t234", std::nullopt},
        TextCase{"line_break_is_no_group", SpaceGroupNotation(), "1\n234", std::nullopt},
        TextCase{"thin_space_is_no_group", SpaceGroupNotation(), "1\u2009234", std::nullopt},
        TextCase{"true_minus_in_exponent", SpaceGroupNotation(), "1,5e\u22122", 0.015}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    IndianRegion, TextToDoubleTest,
    ::testing::Values(TextCase{"lakh", IndianNotation(), "1,00,000", 100000.0},
                      TextCase{"crore", IndianNotation(), "-12,34,56,789.5", -123456789.5},
                      TextCase{"thousand", IndianNotation(), "1,234", 1234.0},
                      TextCase{"western_groups", IndianNotation(), "1,234,567", std::nullopt},
                      TextCase{"last_group_of_two", IndianNotation(), "12,34", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

RegionalNotation LeadingPairNotation() {
  RegionalNotation notation = CommaNotation();
  notation.leadingGroupMinimum = 2;
  return notation;
}

RegionalNotation SwissNotation() {
  RegionalNotation notation;
  notation.groupSeparator = "\u2019";
  return notation;
}

INSTANTIATE_TEST_SUITE_P(
    OtherRegions, TextToDoubleTest,
    ::testing::Values(
        TextCase{"joined_leading_digit", LeadingPairNotation(), "1234.567", 1234567.0},
        TextCase{"leading_pair", LeadingPairNotation(), "12.345.678", 12345678.0},
        TextCase{"lone_leading_digit", LeadingPairNotation(), "1.234", 1234.0},
        TextCase{"leading_five_digits", LeadingPairNotation(), "12345.678", std::nullopt},
        TextCase{"swiss_quote", SwissNotation(), "1\u2019234.5", 1234.5},
        TextCase{"swiss_typed_apostrophe", SwissNotation(), "1'234'567", 1234567.0},
        TextCase{"swiss_misplaced_apostrophe", SwissNotation(), "12'34", std::nullopt},
        TextCase{"arabic_digits", ArabicNotation(), "\u0661\u066C\u0662\u0663\u0664\u066B\u0665",
                 1234.5},
        TextCase{"arabic_minus", ArabicNotation(), "\u061C-\u0667\u066B\u0661", -7.1},
        TextCase{"arabic_typed_forms", ArabicNotation(), "-1,234.5", -1234.5},
        TextCase{"arabic_mixed_digits", ArabicNotation(), "\u06612", 12.0},
        TextCase{"arabic_exponent", ArabicNotation(), "\u0661\u0627\u0633\u061C-\u0663", 0.001},
        TextCase{"arabic_e", ArabicNotation(), "\u0661E3", 1000.0},
        TextCase{"arabic_misplaced_group", ArabicNotation(), "\u0667\u066C\u0661", std::nullopt},
        TextCase{"arabic_typed_misplaced_group", ArabicNotation(), "7,1", std::nullopt},
        TextCase{"persian_digits_are_not_arabic", ArabicNotation(), "\u06F7", std::nullopt}),
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
