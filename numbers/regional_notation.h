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
  /// The region's digit zero; its other digits follow it in Unicode, as in
  /// every script with decimal digits. 0-9 are always understood as well.
  std::string zeroDigit = "0";
  /// The region's own exponent mark; "e" and "E" are always understood as well.
  std::string exponentMark = "e";
  /// Digits in the rightmost group, and in each group left of it (2 in India).
  int lastGroupSize = 3;
  int higherGroupSize = 3;
  /// The fewest digits the leftmost group has; a shorter one is joined to the
  /// group beside it (2 in Spain and Poland: 1234.567).
  int leadingGroupMinimum = 1;
};

}  // namespace welvaro
