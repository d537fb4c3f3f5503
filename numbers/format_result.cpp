#include "format_result.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace welvaro {
namespace {

struct NumberPattern {
  int integerDigits = 0;
  int decimalPlaces = 0;
  bool hasDecimalPoint = false;
  std::string_view suffix;
};

NumberPattern ReadPattern(std::string_view pattern) {
  NumberPattern parsed;
  std::size_t position = 0;
  while (position < pattern.size() && pattern[position] == '0') {
    ++parsed.integerDigits;
    ++position;
  }
  if (position < pattern.size() && pattern[position] == '.') {
    parsed.hasDecimalPoint = true;
    ++position;
    while (position < pattern.size() && pattern[position] == '0') {
      ++parsed.decimalPlaces;
      ++position;
    }
  }
  parsed.suffix = pattern.substr(position);
  return parsed;
}

/// How many binary digits the exact value has after the point; its exact
/// decimal expansion has just as many decimal places.
int BinaryFractionDigits(double magnitude) {
  if (magnitude == 0.0) return 0;
  int exponent = 0;
  const double mantissa = std::frexp(magnitude, &exponent);
  const auto significand = static_cast<std::uint64_t>(std::ldexp(mantissa, 53));
  const int lowestBit = exponent - 53 + std::countr_zero(significand);
  return lowestBit < 0 ? -lowestBit : 0;
}

/// Adds one unit in the last place of a decimal text such as "0.99".
void IncrementLastDigit(std::string& digits) {
  for (std::size_t position = digits.size(); position-- > 0;) {
    char& digit = digits[position];
    if (digit == '.') continue;
    if (digit != '9') {
      ++digit;
      return;
    }
    digit = '0';
  }
  digits.insert(digits.begin(), '1');
}

/// The magnitude rounded to the given places, halves away from zero, in ASCII.
std::string RoundedDigits(double magnitude, int places) {
  // Room for the 309 integer digits of the largest Double, the point and the places.
  std::string buffer(static_cast<std::size_t>(places) + 320, '\0');
  if (BinaryFractionDigits(magnitude) > places + 1) {
    // No exact half is possible, so the correctly rounded digits are final.
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::fixed, places);
    return {buffer.data(), result.ptr};
  }
  // Exact with one place more; round that last digit by hand.
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                    std::chars_format::fixed, places + 1);
  std::string digits(buffer.data(), result.ptr);
  const char dropped = digits.back();
  digits.pop_back();
  if (places == 0) digits.pop_back();
  if (dropped >= '5') IncrementLastDigit(digits);
  return digits;
}

}  // namespace

std::string FormatResult(double value, std::string_view pattern, const RegionalNotation& notation) {
  const NumberPattern parsed = ReadPattern(pattern);
  if (!std::isfinite(value)) {
    // The formulas never deliver these; show them plainly rather than as digits.
    return (std::isnan(value) ? "NaN" : value < 0 ? "-∞" : "∞") + std::string(parsed.suffix);
  }
  std::string digits = RoundedDigits(std::fabs(value), parsed.decimalPlaces);

  const std::size_t point = digits.find('.');
  const std::size_t integerLength = point == std::string::npos ? digits.size() : point;
  std::string integerPart = digits.substr(0, integerLength);
  const std::string fractionPart =
      point == std::string::npos ? std::string() : digits.substr(point + 1);
  if (parsed.integerDigits == 0 && integerPart == "0") integerPart.clear();
  if (integerPart.size() < static_cast<std::size_t>(parsed.integerDigits)) {
    integerPart.insert(0, static_cast<std::size_t>(parsed.integerDigits) - integerPart.size(), '0');
  }

  const bool roundsToZero = digits.find_first_not_of("0.") == std::string::npos;
  std::string text;
  if (std::signbit(value) && !roundsToZero) text += '-';
  text += integerPart;
  if (parsed.hasDecimalPoint) text += notation.decimalSeparator + fractionPart;
  text += parsed.suffix;
  return text;
}

}  // namespace welvaro
