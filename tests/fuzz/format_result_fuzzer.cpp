// Every finite Double in every pattern: the text has no exponent and no
// grouping, keeps the unit, and reads back as the value rounded to the
// pattern's places.
#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

#include "format_result.h"
#include "fuzz_input.h"
#include "number_text.h"

namespace {

struct Pattern {
  const char* text;
  int places;
  const char* unit;
};

constexpr std::array<Pattern, 4> kPatterns = {{
    {"0.00 m", 2, " m"},
    {"0.00 MHz", 2, " MHz"},
    {"0.000 m", 3, " m"},
    {"0.000", 3, ""},
}};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1 + sizeof(double)) return 0;
  double value = 0;
  std::memcpy(&value, data + 1, sizeof value);
  if (!std::isfinite(value)) return 0;
  const welvaro::RegionalNotation& notation = welvaro::fuzzing::NotationFor(data[0]);

  for (const Pattern& pattern : kPatterns) {
    const std::string text = welvaro::FormatResult(value, pattern.text, notation);
    const std::string unit = pattern.unit;
    if (text.size() < unit.size() ||
        text.compare(text.size() - unit.size(), unit.size(), unit) != 0) {
      std::abort();
    }
    const std::string number = text.substr(0, text.size() - unit.size());
    if (number.find_first_of("eE") != std::string::npos) std::abort();
    const std::size_t separator = number.rfind(notation.decimalSeparator);
    if (separator == std::string::npos ||
        number.size() - separator - notation.decimalSeparator.size() !=
            static_cast<std::size_t>(pattern.places)) {
      std::abort();
    }
    const double back = welvaro::TextToDouble(number, {notation.decimalSeparator, "", "-", "+"});
    // Half a unit of the last place, and the one rounding of reading back.
    const double tolerance = 0.5 * std::pow(10.0, -pattern.places) * (1 + 1e-12) +
                             std::fabs(value) * std::numeric_limits<double>::epsilon();
    if (!(std::fabs(back - value) <= tolerance)) std::abort();
    if ((value < 0) != (number.front() == '-') && back != 0) std::abort();
  }
  return 0;
}
