#pragma once

#include <cstdint>
#include <string_view>

#include "regional_notation.h"

namespace welvaro {

// Texts are UTF-8. A text is a number when it matches, after blanks are
// trimmed from both ends:
//
//   number   = [sign] mantissa [exponent]
//   sign     = minus | plus
//   mantissa = integer [decimal digit*] | decimal digit+
//   integer  = digit+ | lead (group higher)* group last
//   exponent = mark [sign] digit+
//
// Blanks are what a paste brings along: space, tab, line feed, carriage
// return, vertical tab, form feed, NEL, the Unicode spaces (no-break, en, em,
// thin, ideographic, ...) and the line and paragraph separators. They are
// ignored around a number only; inside one they make it no number, except
// that where the region groups with a blank (space, no-break space or narrow
// no-break space) any of those three serves as its group separator.
//
// Each region's forms are read as the region writes them, and where few
// keyboards have that character, also in the form users type instead:
//   minus    "-", the region's minus, and that minus without direction marks
//            (U+200E, U+200F, U+061C)
//   plus     "+", the region's plus, and that plus without direction marks
//   decimal  the region's; U+066B also as "."
//   group    the region's; U+2019 also as "'", U+066C also as ","
//   mark     "e", "E" and the region's exponent mark (such as "×10^")
//   digit    0-9 and the region's own ten digits (Arabic-Indic in Egypt,
//            Persian in Iran), mixed freely
// A typed form that is the region's other separator is not taken.
//
// lead, higher and last are runs of digits: last is the region's last group
// size long (3), higher its higher group size (3; 2 in India: 12,34,567), and
// lead 1 to higher + leading minimum - 1 digits (Spain and Poland join a lone
// leading digit to its neighbour: 1234.567). A group separator anywhere else
// makes the text no number, so "7.1" is no number in a region that groups
// with ".". "inf", "nan", hexadecimal, currency signs and parentheses are not
// numbers.

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
