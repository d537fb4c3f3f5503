#pragma once

#include "regional_notation.h"

namespace welvaro::testing {

// The regions the tests read and write numbers in, built explicitly so that
// no test depends on the machine's locale.
inline RegionalNotation PointNotation() { return {".", ",", "-", "+"}; }
inline RegionalNotation CommaNotation() { return {",", ".", "-", "+"}; }
/// Groups with a narrow no-break space and writes a true minus sign, as in
/// several European regions.
inline RegionalNotation SpaceGroupNotation() { return {",", "\u202F", "\u2212", "+"}; }
/// Indian digit groups (12,34,567).
inline RegionalNotation IndianNotation() {
  RegionalNotation notation;
  notation.higherGroupSize = 2;
  return notation;
}
/// Arabic-Indic digits and separators, and a minus behind a direction mark, as in Egypt.
inline RegionalNotation ArabicNotation() {
  return {"\u066B", "\u066C", "\u061C-", "\u061C+", "\u0660", "\u0627\u0633"};
}
/// A decimal point and no digit grouping, as results are written.
inline RegionalNotation UngroupedPointNotation() { return {".", "", "-", "+"}; }

}  // namespace welvaro::testing
