#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "notations.h"

namespace welvaro::fuzzing {

/// The regions the fuzzers read and write in; the first input byte picks one.
inline const RegionalNotation& NotationFor(std::uint8_t selector) {
  static const std::array<RegionalNotation, 6> notations = {
      testing::PointNotation(),          testing::CommaNotation(),  testing::SpaceGroupNotation(),
      testing::UngroupedPointNotation(), testing::IndianNotation(), testing::ArabicNotation()};
  return notations[selector % notations.size()];
}

}  // namespace welvaro::fuzzing
