#pragma once

#include <cstdint>
#include <string_view>

#include "regional_notation.h"

namespace welvaro {

// Texts are UTF-8. A text is a number when it matches, after blanks (space,
// tab, no-break space, narrow no-break space) are trimmed from both ends:
//
//   number   = [sign] mantissa [exponent]
//   sign     = "+" | "-" | the region's plus or minus sign
//   mantissa = integer [decimal digit*] | decimal digit+
//   integer  = digit+ | digit{1,3} (group digit{3})+
//   exponent = ("e" | "E") ["+" | "-"] digit+
//
// where decimal and group are the region's separators and digit is 0-9. When
// the region's group separator is a kind of blank, any of the three blanks
// serves as one. A group separator is allowed only between whole groups of
// three integer digits, so "7.1" is no number in a region that groups with ".".
// "inf", "nan", hexadecimal, currency signs and parentheses are not numbers.

/// True exactly when TextToDouble succeeds on the same text.
[[nodiscard]] bool IsNumeric(std::string_view text, const RegionalNotation& notation);

/// The correctly rounded Double of a number text. A value too small for a
/// Double becomes zero of its sign; one too large raises ConversionError, as
/// does a text that is not a number.
[[nodiscard]] double TextToDouble(std::string_view text, const RegionalNotation& notation);

/// The number rounded to the nearest whole number, halves away from zero
/// ("20.5" gives 21, "-20.5" gives -21). Raises ConversionError for a text
/// that is not a number or a result outside -32768..32767.
[[nodiscard]] std::int16_t TextToInteger(std::string_view text, const RegionalNotation& notation);

}  // namespace welvaro
