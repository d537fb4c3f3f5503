#include "number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <system_error>

#include "failures.h"
#include "notation_forms.h"

namespace welvaro {
namespace {

/// What surrounds a number when it is typed, pasted from a spreadsheet cell
/// or a web page: ASCII blanks and line breaks, NEL, and the Unicode spaces
/// and line and paragraph separators.
constexpr std::array<std::string_view, 25> kBlanks = {
    " ",      "\t",     "\n",     "\r",     "\v",     "\f",     "\u0085", "\u00A0", "\u1680",
    "\u2000", "\u2001", "\u2002", "\u2003", "\u2004", "\u2005", "\u2006", "\u2007", "\u2008",
    "\u2009", "\u200A", "\u2028", "\u2029", "\u202F", "\u205F", "\u3000"};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsAsciiBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

/// Whether a byte can be the first of a blank: an ASCII blank or the lead
/// byte of one of the others (U+0085 and U+00A0 begin with C2, the rest with
/// E1, E2 or E3). A cheap test that spares most texts the search.
bool MayBeginBlank(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return IsAsciiBlank(c) || byte == 0xC2 || (byte >= 0xE1 && byte <= 0xE3);
}

/// Whether a byte can be the last of a blank: an ASCII blank or a UTF-8
/// continuation byte.
bool MayEndBlank(char c) {
  return IsAsciiBlank(c) || (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

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
      : rest_(text), notation_(notation), forms_(notation) {}

  std::optional<ScannedNumber> Scan() {
    TrimBlanks();
    ScannedNumber number;
    number.negative = TakeSign();
    if (!TakeInteger(number.integerDigits)) return std::nullopt;
    if (TakeAny(forms_.decimalSeparators)) TakeDigits(number.fractionDigits);
    if (number.integerDigits.empty() && number.fractionDigits.empty()) return std::nullopt;
    if (TakeAny(forms_.exponentMarks)) {
      number.exponentNegative = TakeSign();
      if (!TakeDigits(number.exponentDigits)) return std::nullopt;
    }
    if (!rest_.empty()) return std::nullopt;
    return number;
  }

 private:
  void TrimBlanks() {
    while (!rest_.empty() && MayBeginBlank(rest_.front())) {
      const auto blank = std::find_if(kBlanks.begin(), kBlanks.end(),
                                      [this](std::string_view b) { return rest_.starts_with(b); });
      if (blank == kBlanks.end()) break;
      rest_.remove_prefix(blank->size());
    }
    while (!rest_.empty() && MayEndBlank(rest_.back())) {
      const auto blank = std::find_if(kBlanks.begin(), kBlanks.end(),
                                      [this](std::string_view b) { return rest_.ends_with(b); });
      if (blank == kBlanks.end()) break;
      rest_.remove_suffix(blank->size());
    }
  }

  bool Take(std::string_view token) {
    if (token.empty() || !rest_.starts_with(token)) return false;
    rest_.remove_prefix(token.size());
    return true;
  }

  template <std::size_t N>
  bool TakeAny(const std::array<std::string_view, N>& tokens) {
    return std::any_of(tokens.begin(), tokens.end(),
                       [this](std::string_view token) { return Take(token); });
  }

  /// True for a minus sign; a plus sign or none gives false.
  bool TakeSign() {
    if (TakeAny(forms_.minusSigns)) return true;
    TakeAny(forms_.plusSigns);
    return false;
  }

  /// One digit, 0-9 or the region's own, appended in ASCII.
  bool TakeDigit(std::string& digits) {
    if (!rest_.empty() && IsDigit(rest_.front())) {
      digits += rest_.front();
      rest_.remove_prefix(1);
      return true;
    }
    for (std::size_t value = 0; value < forms_.regionalDigits.size(); ++value) {
      if (Take(forms_.regionalDigits[value])) {
        digits += static_cast<char>('0' + value);
        return true;
      }
    }
    return false;
  }

  bool TakeDigits(std::string& digits) {
    const std::size_t before = digits.size();
    while (TakeDigit(digits)) {
    }
    return digits.size() > before;
  }

  /// Integer digits, grouped or not; false only for misplaced group separators.
  bool TakeInteger(std::string& digits) {
    if (!TakeDigits(digits)) return true;
    const auto leadingGroup = static_cast<int>(digits.size());
    int group = 0;
    int groups = 0;
    while (TakeAny(forms_.groupSeparators)) {
      if (groups == 0 &&
          leadingGroup > notation_.higherGroupSize + notation_.leadingGroupMinimum - 1) {
        return false;
      }
      if (groups > 0 && group != notation_.higherGroupSize) return false;
      const std::size_t before = digits.size();
      TakeDigits(digits);
      group = static_cast<int>(digits.size() - before);
      ++groups;
    }
    return groups == 0 || group == notation_.lastGroupSize;
  }

  std::string_view rest_;
  const RegionalNotation& notation_;
  NotationForms forms_;
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
