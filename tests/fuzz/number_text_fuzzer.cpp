// IsNumeric agrees with TextToDouble on any bytes, and TextToInteger never
// returns a value outside its range or a different rounding of the number.
#include <cmath>
#include <cstdlib>
#include <string_view>

#include "failures.h"
#include "fuzz_input.h"
#include "number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const welvaro::RegionalNotation& notation = welvaro::fuzzing::NotationFor(data[0]);
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

  const bool numeric = welvaro::IsNumeric(text, notation);
  double value = 0;
  bool converted = true;
  try {
    value = welvaro::TextToDouble(text, notation);
  } catch (const welvaro::ConversionError&) {
    converted = false;
  }
  if (numeric != converted || (converted && !std::isfinite(value))) std::abort();

  const double whole = std::round(value);
  const bool inRange = converted && whole >= -32768.0 && whole <= 32767.0;
  try {
    const int integer = welvaro::TextToInteger(text, notation);
    if (!inRange || integer != whole) std::abort();
  } catch (const welvaro::ConversionError&) {
    if (inRange) std::abort();
  }
  return 0;
}
