#pragma once

#include <array>
#include <string>
#include <string_view>

#include "regional_notation.h"

namespace welvaro {

/// Every way a separator, sign or digit of a region may be written: as the
/// region writes it, and in the form a keyboard can type where the region's
/// own is hard to type. The texts view the notation, which must outlive them.
struct NotationForms {
  explicit NotationForms(const RegionalNotation& notation);

  std::array<std::string_view, 2> decimalSeparators;
  /// Empty texts where the region groups no digits.
  std::array<std::string_view, 3> groupSeparators;
  std::array<std::string_view, 3> minusSigns;
  std::array<std::string_view, 3> plusSigns;
  std::array<std::string_view, 3> exponentMarks;
  /// The region's ten digits in UTF-8; empty where they are 0-9.
  std::array<std::string, 10> regionalDigits;
};

}  // namespace welvaro
