#include "notation_forms.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace welvaro {
namespace {

constexpr std::array<std::string_view, 3> kSpaceLikeGroups = {" ", "\u00A0", "\u202F"};

/// Marks that only steer the direction of right-to-left text.
constexpr std::array<std::string_view, 3> kDirectionMarks = {"\u200E", "\u200F", "\u061C"};

/// Characters some regions write that few keyboards have, and the ASCII
/// character users type instead.
constexpr std::array<std::pair<std::string_view, std::string_view>, 3> kTypedForms = {{
    {"\u2019", "'"},  // right single quotation mark, Swiss digit groups
    {"\u066B", "."},  // Arabic decimal separator
    {"\u066C", ","},  // Arabic thousands separator
}};

std::string_view WithoutDirectionMarks(std::string_view text) {
  bool stripped = true;
  while (stripped) {
    stripped = false;
    for (std::string_view mark : kDirectionMarks) {
      if (text.starts_with(mark)) {
        text.remove_prefix(mark.size());
        stripped = true;
      }
      if (text.ends_with(mark)) {
        text.remove_suffix(mark.size());
        stripped = true;
      }
    }
  }
  return text;
}

std::string_view TypedForm(std::string_view text) {
  for (const auto& [regional, typed] : kTypedForms) {
    if (text == regional) return typed;
  }
  return text;
}

/// The typed form of a separator, unless the other separator is written so.
std::string_view TypedSeparator(std::string_view separator, std::string_view other) {
  const std::string_view typed = TypedForm(separator);
  if (typed == other || typed == TypedForm(other)) return separator;
  return typed;
}

bool IsSpaceLike(std::string_view separator) {
  return std::find(kSpaceLikeGroups.begin(), kSpaceLikeGroups.end(), separator) !=
         kSpaceLikeGroups.end();
}

/// The UTF-8 encoding of a code point from U+0080 to U+FFFF.
std::string Utf8(std::uint32_t codePoint) {
  if (codePoint < 0x800) {
    return {static_cast<char>(0xC0 | (codePoint >> 6)),
            static_cast<char>(0x80 | (codePoint & 0x3F))};
  }
  return {static_cast<char>(0xE0 | (codePoint >> 12)),
          static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)),
          static_cast<char>(0x80 | (codePoint & 0x3F))};
}

/// The code point of a two- or three-byte UTF-8 character, or 0.
std::uint32_t CodePointOf(std::string_view text) {
  const auto byte = [&](std::size_t i) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(text[i]));
  };
  if (text.size() == 2 && (byte(0) & 0xE0) == 0xC0)
    return ((byte(0) & 0x1F) << 6) | (byte(1) & 0x3F);
  if (text.size() == 3 && (byte(0) & 0xF0) == 0xE0) {
    return ((byte(0) & 0x0F) << 12) | ((byte(1) & 0x3F) << 6) | (byte(2) & 0x3F);
  }
  return 0;
}

std::array<std::string, 10> RegionalDigits(std::string_view zeroDigit) {
  std::array<std::string, 10> digits;
  const std::uint32_t zero = CodePointOf(zeroDigit);
  if (zero == 0 || zero + 9 > 0xFFFF) return digits;
  for (std::uint32_t digit = 0; digit < digits.size(); ++digit) digits[digit] = Utf8(zero + digit);
  return digits;
}

}  // namespace

NotationForms::NotationForms(const RegionalNotation& notation)
    : decimalSeparators{notation.decimalSeparator,
                        TypedSeparator(notation.decimalSeparator, notation.groupSeparator)},
      groupSeparators{notation.groupSeparator,
                      TypedSeparator(notation.groupSeparator, notation.decimalSeparator)},
      minusSigns{"-", notation.minusSign, WithoutDirectionMarks(notation.minusSign)},
      plusSigns{"+", notation.plusSign, WithoutDirectionMarks(notation.plusSign)},
      exponentMarks{"e", "E", notation.exponentMark},
      regionalDigits(RegionalDigits(notation.zeroDigit)) {
  if (IsSpaceLike(notation.groupSeparator)) groupSeparators = kSpaceLikeGroups;
}

}  // namespace welvaro
