#include "extended.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>

namespace welvaro::formulas {
namespace {

/// MPFR's three flags that the step rule tests.
struct Flags {
  bool invalid = false;
  bool divisionByZero = false;
  bool overflow = false;
  bool operator==(const Flags&) const = default;
};

struct ExtendedCase {
  const char* name;
  std::function<Extended()> compute;
  double stored;
  Flags flags;
};

class ExtendedTest : public ::testing::TestWithParam<ExtendedCase> {};

TEST_P(ExtendedTest, RoundsAndFailsAsTheX87Unit) {
  const ExtendedCase& c = GetParam();
  const mpfr_exp_t emin = mpfr_get_emin();
  const mpfr_exp_t emax = mpfr_get_emax();
  mpfr_clear_flags();
  const double stored = c.compute().ToDouble();
  if (std::isnan(c.stored)) {
    EXPECT_TRUE(std::isnan(stored)) << stored;
  } else {
    EXPECT_EQ(std::bit_cast<std::uint64_t>(stored), std::bit_cast<std::uint64_t>(c.stored))
        << std::hexfloat << stored;
  }
  EXPECT_EQ((Flags{mpfr_nanflag_p() != 0, mpfr_divby0_p() != 0, mpfr_overflow_p() != 0}), c.flags);
  // The range is MPFR's state of the thread; other users keep theirs.
  EXPECT_EQ(mpfr_get_emin(), emin);
  EXPECT_EQ(mpfr_get_emax(), emax);
}

constexpr double kLargest = std::numeric_limits<double>::max();
constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr Flags kNone{};
constexpr Flags kOverflow{false, false, true};

/// 2^16368 and 2^-16352: near the ends of the extended range.
Extended High() { return Power(0x1p1023, 16); }
Extended Low() { return Power(0x1p-1022, 16); }

INSTANTIATE_TEST_SUITE_P(
    Cases, ExtendedTest,
    ::testing::Values(
        ExtendedCase{"ties_to_even_at_64_bits", [] { return Extended{1} + 0x1p-64 - 1; }, 0, kNone},
        ExtendedCase{"sixty_four_bits", [] { return Extended{1} + 0x1p-63 - 1; }, 0x1p-63, kNone},
        // The stored Double is rounded from the 64-bit value, which lies on
        // a tie, not from the exact sum just above it.
        ExtendedCase{"stored_from_the_64_bit_value", [] { return Extended{1} + 0x1p-53 + 0x1p-70; },
                     1, kNone},
        ExtendedCase{"beyond_the_double_range", [] { return Extended{kLargest} * 4 / 8; },
                     kLargest / 2, kNone},
        ExtendedCase{"top_of_the_range", [] { return High() * 0x1p15 / High(); }, 0x1p15, kNone},
        ExtendedCase{"beyond_the_top", [] { return High() * 0x1p16 / High(); }, kInfinity,
                     kOverflow},
        // At 2^-16432 only 13 bits are left below the leading one.
        ExtendedCase{"extended_subnormals",
                     [] { return Low() * 0x1.0000000000001p0 * 0x1p-80 / Low() * 0x1p80; }, 1,
                     kNone},
        ExtendedCase{"store_overflows", [] { return Extended{kLargest} + 0x1p970; }, kInfinity,
                     kOverflow},
        ExtendedCase{"store_just_below_overflow", [] { return Extended{kLargest} + 0x1p969; },
                     kLargest, kNone},
        ExtendedCase{"store_to_a_subnormal", [] { return Extended{0x1p-1074} * 1.5; }, 0x1p-1073,
                     kNone},
        ExtendedCase{"store_underflows_to_zero", [] { return Extended{0x1p-1074} * 0.5; }, 0,
                     kNone},
        ExtendedCase{
            "division_by_zero", [] { return Extended{1} / 0.0; }, kInfinity, {false, true, false}},
        ExtendedCase{"zero_divided_by_zero",
                     [] { return Extended{0.0} / 0.0; },
                     std::numeric_limits<double>::quiet_NaN(),
                     {true, false, false}},
        ExtendedCase{"minus_zero_divisor",
                     [] { return Extended{-1} / -0.0; },
                     kInfinity,
                     {false, true, false}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace welvaro::formulas
