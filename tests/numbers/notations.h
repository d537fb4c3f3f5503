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
/// A decimal point and no digit grouping, as results are written.
inline RegionalNotation UngroupedPointNotation() { return {".", "", "-", "+"}; }

}  // namespace welvaro::testing
