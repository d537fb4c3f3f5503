#include "number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <system_error>

#include "failures.h"

namespace welvaro {
namespace {

constexpr std::string_view kNoBreakSpace = "\u00A0";
constexpr std::string_view kNarrowNoBreakSpace = "\u202F";
constexpr std::array<std::string_view, 4> kBlanks = {" ", "\t", kNoBreakSpace,
                                                     kNarrowNoBreakSpace};
constexpr std::array<std::string_view, 3> kSpaceLikeGroups = {" ", kNoBreakSpace,
                                                              kNarrowNoBreakSpace};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

/// The pieces of a number text, in ASCII, ready for std::from_chars.
struct ScannedNumber {
  bool negative = false;
  std::string integerDigits;
  std::string fractionDigits;
  bool exponentNegative = false;
  std::string exponentDigits;
};

class Scanner {
 public:
  Scanner(std::string_view text, const RegionalNotation& notation)
      : rest_(text),
        notation_(notation),
        spaceLikeGroups_(std::find(kSpaceLikeGroups.begin(), kSpaceLikeGroups.end(),
                                   notation.groupSeparator) != kSpaceLikeGroups.end()) {}

  std::optional<ScannedNumber> Scan() {
    TrimBlanks();
    ScannedNumber number;
    if (Take("-") || Take(notation_.minusSign)) {
      number.negative = true;
    } else if (!Take("+")) {
      Take(notation_.plusSign);
    }
    if (!TakeInteger(number.integerDigits)) return std::nullopt;
    if (Take(notation_.decimalSeparator)) TakeDigits(number.fractionDigits);
    if (number.integerDigits.empty() && number.fractionDigits.empty()) return std::nullopt;
    if (Take("e") || Take("E")) {
      if (Take("-")) {
        number.exponentNegative = true;
      } else {
        Take("+");
      }
      if (!TakeDigits(number.exponentDigits)) return std::nullopt;
    }
    if (!rest_.empty()) return std::nullopt;
    return number;
  }

 private:
  void TrimBlanks() {
    bool trimmed = true;
    while (trimmed) {
      trimmed = false;
      for (std::string_view blank : kBlanks) {
        if (rest_.starts_with(blank)) {
          rest_.remove_prefix(blank.size());
          trimmed = true;
        }
        if (rest_.ends_with(blank)) {
          rest_.remove_suffix(blank.size());
          trimmed = true;
        }
      }
    }
  }

  bool Take(std::string_view token) {
    if (token.empty() || !rest_.starts_with(token)) return false;
    rest_.remove_prefix(token.size());
    return true;
  }

  bool TakeDigits(std::string& digits) {
    const auto end = std::find_if_not(rest_.begin(), rest_.end(), IsDigit);
    const auto count = static_cast<std::size_t>(end - rest_.begin());
    digits.append(rest_.substr(0, count));
    rest_.remove_prefix(count);
    return count > 0;
  }

  bool TakeGroupSeparator() {
    if (!spaceLikeGroups_) return Take(notation_.groupSeparator);
    return std::any_of(kSpaceLikeGroups.begin(), kSpaceLikeGroups.end(),
                       [this](std::string_view blank) { return Take(blank); });
  }

  /// Integer digits, grouped or not; false only for misplaced group separators.
  bool TakeInteger(std::string& digits) {
    if (!TakeDigits(digits)) return true;
    const std::size_t firstGroup = digits.size();
    while (TakeGroupSeparator()) {
      if (firstGroup > 3) return false;
      const std::size_t before = digits.size();
      TakeDigits(digits);
      if (digits.size() - before != 3) return false;
    }
    return true;
  }

  std::string_view rest_;
  const RegionalNotation& notation_;
  /// Whether the region groups with a kind of blank; then any blank serves.
  bool spaceLikeGroups_;
};

/// Whether a value that std::from_chars found out of range is too small
/// (true) or too large (false) for a Double: the sign of its decimal order.
bool IsBelowDoubleRange(const ScannedNumber& number) {
  constexpr long long kSaturation = 1'000'000'000'000LL;
  long long exponent = 0;
  for (char digit : number.exponentDigits) {
    exponent = std::min(kSaturation, exponent * 10 + (digit - '0'));
  }
  if (number.exponentNegative) exponent = -exponent;
  const std::string& integer = number.integerDigits;
  const auto firstNonZero = integer.find_first_not_of('0');
  long long order = 0;
  if (firstNonZero != std::string::npos) {
    order = static_cast<long long>(integer.size() - firstNonZero);
  } else {
    const auto leadingZeros = number.fractionDigits.find_first_not_of('0');
    order = -static_cast<long long>(leadingZeros);
  }
  return order + exponent <= 0;
}

std::optional<double> ToDouble(const ScannedNumber& number) {
  std::string ascii;
  ascii.reserve(number.integerDigits.size() + number.fractionDigits.size() +
                number.exponentDigits.size() + 4);
  if (number.negative) ascii += '-';
  ascii += number.integerDigits.empty() ? "0" : number.integerDigits;
  if (!number.fractionDigits.empty()) ascii += '.' + number.fractionDigits;
  if (!number.exponentDigits.empty()) {
    ascii += number.exponentNegative ? "e-" : "e";
    ascii += number.exponentDigits;
  }
  double value = 0.0;
  const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
  if (error == std::errc::result_out_of_range && IsBelowDoubleRange(number)) {
    return number.negative ? -0.0 : 0.0;
  }
  if (error != std::errc{} || end != ascii.data() + ascii.size()) return std::nullopt;
  return value;
}

std::optional<double> ParseDouble(std::string_view text, const RegionalNotation& notation) {
  const auto scanned = Scanner(text, notation).Scan();
  if (!scanned) return std::nullopt;
  return ToDouble(*scanned);
}

}  // namespace

bool IsNumeric(std::string_view text, const RegionalNotation& notation) {
  return ParseDouble(text, notation).has_value();
}

double TextToDouble(std::string_view text, const RegionalNotation& notation) {
  const auto value = ParseDouble(text, notation);
  if (!value) throw ConversionError("not a number");
  return *value;
}

std::int16_t TextToInteger(std::string_view text, const RegionalNotation& notation) {
  const double whole = std::round(TextToDouble(text, notation));
  if (whole < -32768.0 || whole > 32767.0) throw ConversionError("outside the Integer range");
  return static_cast<std::int16_t>(whole);
}

}  // namespace welvaro
