#pragma once

#include <charconv>
#include <string>

namespace welvaro::testing {

/// A value to the 12 significant digits in which published results are quoted.
inline std::string TwelveDigits(double value) {
  char buffer[32];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 12);
  return {buffer, result.ptr};
}

}  // namespace welvaro::testing
