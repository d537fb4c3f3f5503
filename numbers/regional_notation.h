#pragma once

#include <string>

namespace welvaro {

/// The number notation of the user's regional settings, as UTF-8 texts.
/// The user interface reads it from the desktop; everything below takes it as a value.
struct RegionalNotation {
  std::string decimalSeparator = ".";
  /// Empty where the region groups no digits.
  std::string groupSeparator = ",";
  /// The region's own minus sign; the ASCII "-" is always understood as well.
  std::string minusSign = "-";
  /// The region's own plus sign; the ASCII "+" is always understood as well.
  std::string plusSign = "+";
};

}  // namespace welvaro
