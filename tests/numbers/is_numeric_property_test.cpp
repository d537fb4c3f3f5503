#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <random>
#include <string>
#include <string_view>

#include "failures.h"
#include "notations.h"
#include "number_text.h"

namespace welvaro {
namespace {

using testing::ArabicNotation;
using testing::CommaNotation;
using testing::IndianNotation;
using testing::PointNotation;
using testing::SpaceGroupNotation;

// Pieces that lie near the edges of the grammar, so that random joins of them
// hit separators, signs and exponents in every position.
constexpr std::array<std::string_view, 38> kPieces = {
    "0",      "1",      "7",      "9",      "123",    ".",      ",",    "e",      "E",   "-",
    "+",      " ",      "\t",     "\u00A0", "\u202F", "\u2212", "a",    "x",      "inf", "nan",
    "e3",     "00",     "999",    "e-400",  "\r",     "\n",     "\r\n", "\v",     "\f",  "\u0085",
    "\u2009", "\u3000", "\u2028", "\u0661", "\u066B", "\u066C", "'",    "\u061C-"};

/// Blanks a paste may bring along around a number.
constexpr std::array<std::string_view, 8> kBlanksAround = {"",   " ",  "\r\n",   "\n",
                                                           "\r", "\t", "\u00A0", "\u3000"};

std::string RandomText(std::mt19937& random) {
  std::uniform_int_distribution<std::size_t> length(0, 8);
  std::uniform_int_distribution<std::size_t> piece(0, kPieces.size() - 1);
  std::string text;
  for (std::size_t i = length(random); i > 0; --i) text += kPieces[piece(random)];
  return text;
}

TEST(IsNumericProperty, AgreesWithTextToDoubleOnRandomTexts) {
  std::mt19937 random(20261207);
  int accepted = 0;
  for (const RegionalNotation& notation : {PointNotation(), CommaNotation(), SpaceGroupNotation(),
                                           IndianNotation(), ArabicNotation()}) {
    for (int i = 0; i < 30000; ++i) {
      const std::string text = RandomText(random);
      bool converted = true;
      try {
        (void)TextToDouble(text, notation);
      } catch (const ConversionError&) {
        converted = false;
      }
      ASSERT_EQ(IsNumeric(text, notation), converted) << '"' << text << '"';
      accepted += converted ? 1 : 0;
    }
  }
  // The generator must reach both answers often, or the property says little.
  EXPECT_GT(accepted, 5000);
  EXPECT_LT(accepted, 145000);
}

/// A well-formed number in the region's notation and the same number in the
/// plain notation std::from_chars reads.
struct GeneratedNumber {
  std::string regional;
  std::string plain;
};

GeneratedNumber RandomNumber(std::mt19937& random, const RegionalNotation& notation) {
  std::uniform_int_distribution<int> digit(0, 9);
  std::uniform_int_distribution<int> leadingDigit(1, 9);
  std::uniform_int_distribution<int> count(0, 4);
  std::bernoulli_distribution coin(0.5);
  std::uniform_int_distribution<std::size_t> blank(0, kBlanksAround.size() - 1);
  GeneratedNumber number;
  number.regional += kBlanksAround[blank(random)];
  if (coin(random)) {
    number.regional += notation.minusSign;
    number.plain += '-';
  }
  const bool grouped = coin(random);
  const char first = static_cast<char>('0' + leadingDigit(random));
  number.regional += first;
  number.plain += first;
  for (int group = count(random); group > 0; --group) {
    if (grouped) number.regional += notation.groupSeparator;
    for (int i = 0; i < 3; ++i) {
      const char d = static_cast<char>('0' + digit(random));
      number.regional += d;
      number.plain += d;
    }
  }
  if (coin(random)) {
    number.regional += notation.decimalSeparator;
    number.plain += '.';
    for (int i = count(random) * 4; i > 0; --i) {
      const char d = static_cast<char>('0' + digit(random));
      number.regional += d;
      number.plain += d;
    }
  }
  if (coin(random)) {
    // Appended rather than `"e" + std::to_string(...)`: GCC 12 at -O3 reports a
    // false -Wrestrict overlap inside that operator+ (GCC bug 105651).
    std::string exponent = "e";
    exponent += std::to_string(std::uniform_int_distribution(-330, 330)(random));
    number.regional += exponent;
    number.plain += exponent;
  }
  number.regional += kBlanksAround[blank(random)];
  return number;
}

TEST(IsNumericProperty, ReadsEveryWellFormedNumberCorrectlyRounded) {
  std::mt19937 random(7);
  for (const RegionalNotation& notation :
       {PointNotation(), CommaNotation(), SpaceGroupNotation()}) {
    for (int i = 0; i < 20000; ++i) {
      const GeneratedNumber number = RandomNumber(random, notation);
      double expected = 0;
      const auto [end, error] =
          std::from_chars(number.plain.data(), number.plain.data() + number.plain.size(), expected);
      if (error != std::errc{}) continue;  // out of range; covered by the table tests
      ASSERT_TRUE(IsNumeric(number.regional, notation)) << number.regional;
      ASSERT_EQ(TextToDouble(number.regional, notation), expected) << number.regional;
    }
  }
}

}  // namespace
}  // namespace welvaro
