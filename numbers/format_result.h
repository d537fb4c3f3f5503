#pragma once

#include <string>
#include <string_view>

#include "regional_notation.h"

namespace welvaro {

/// Writes a Double by a pattern such as "0.00 m": the zeros before "." are
/// integer digits always written, the zeros after it the decimal places; the
/// rest of the pattern is copied unchanged. The value is rounded exactly from
/// its binary value, halves away from zero; all integer digits are written,
/// without grouping or exponent; "." becomes the region's decimal separator.
/// A value that rounds to zero is written without a minus sign.
[[nodiscard]] std::string FormatResult(double value, std::string_view pattern,
                                       const RegionalNotation& notation);

}  // namespace welvaro
