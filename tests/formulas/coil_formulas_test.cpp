#include "coil_formulas.h"

#include <gtest/gtest.h>

#include "constants.h"
#include "failures.h"
#include "formula_failure_test.h"
#include "rounded_once.h"
#include "twelve_digits.h"

namespace welvaro::formulas {
namespace {

using testing::RoundedOnce;
using testing::TwelveDigits;

TEST(Constants, DeriveFromTheOneFifteenDigitPi) {
  EXPECT_EQ(kTwoPi, 2 * kPi);
  EXPECT_EQ(kMagneticConstant, RoundedOnce(4e-7, mpfr_mul_d, kPi));
  EXPECT_EQ(kLoopFactor, RoundedOnce(0.0002, mpfr_mul_d, kPi));
  EXPECT_NE(kPi, 3.141592653589793);
  EXPECT_NE(kLoopFactor, 0.000628318530717958);
}

TEST(CoilFormulas, AirCoilInductance) {
  EXPECT_EQ(CalcSpule(5, 10, 20), 9.86960440108934);
  EXPECT_EQ(CalcSpule(5, 10, -20), 9.86960440108934);
  EXPECT_EQ(CalcSpule(-5, 10, 20), 9.86960440108934);
  EXPECT_EQ(CalcSpule(5, -10, 20), -9.86960440108934);
  EXPECT_EQ(CalcSpule(5, 10, 0), 0.0);
  EXPECT_EQ(TwelveDigits(CalcSpule(5, 10, 1)), "0.0246740110027");
  EXPECT_EQ(TwelveDigits(CalcSpule(2, 5, 30)), "7.10611516878");
  // The squares of the largest turn counts stay exact.
  EXPECT_EQ(CalcSpule(5, 10, -32768), CalcSpule(5, 10, 16384) * 4);
}

TEST(CoilFormulas, ResonanceFrequency) {
  EXPECT_EQ(CalcResfreq(10, 100), 5032.92121044871);
  EXPECT_EQ(TwelveDigits(CalcResfreq(100, 10)), "5032.92121045");
  EXPECT_EQ(CalcResfreq(-10, -100), CalcResfreq(10, 100));
}

TEST(CoilFormulas, LoopInductance) {
  EXPECT_EQ(CalcLoopInduk(1000, 20), 2.507911139651707);
  EXPECT_EQ(TwelveDigits(CalcLoopInduk(800, 22)), "1.84625660737");
  EXPECT_EQ(TwelveDigits(CalcLoopInduk(100, 200)), "-0.0385602625314");
  EXPECT_EQ(CalcLoopInduk(-1000, -20), -CalcLoopInduk(1000, 20));
  EXPECT_EQ(TwelveDigits(CalcLoopInduk(-1000, -20)), "-2.50791113965");
}

using enum ArithmeticCondition;

INSTANTIATE_TEST_SUITE_P(
    Coil, FormulaFailureTest,
    ::testing::Values(
        FailureCase{"length_zero", [] { return CalcSpule(5, 0, 20); }, 3, DivisionByZero},
        FailureCase{"length_and_turns_zero", [] { return CalcSpule(5, 0, 0); }, 3,
                    InvalidOperation},
        FailureCase{"length_and_diameter_zero", [] { return CalcSpule(0, 0, 20); }, 3,
                    InvalidOperation},
        FailureCase{"henry_beyond_range", [] { return CalcSpule(5, 1e-320, 20); }, 3, Overflow},
        FailureCase{"microhenry_beyond_range", [] { return CalcSpule(5, 1e-310, 20); }, 4,
                    Overflow},
        FailureCase{"area_beyond_range", [] { return CalcSpule(1e300, 10, 20); }, 2, Overflow}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Resonance, FormulaFailureTest,
    ::testing::Values(
        FailureCase{"inductance_zero", [] { return CalcResfreq(0, 100); }, 5, DivisionByZero},
        FailureCase{"capacitance_zero", [] { return CalcResfreq(10, 0); }, 5, DivisionByZero},
        FailureCase{"product_rounds_to_zero", [] { return CalcResfreq(1e-200, 1e-200); }, 5,
                    DivisionByZero},
        FailureCase{"opposite_signs", [] { return CalcResfreq(-10, 100); }, 4,
                    SquareRootOfNegative},
        FailureCase{"product_beyond_range", [] { return CalcResfreq(1e300, 1e300); }, 5, Overflow}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Loop, FormulaFailureTest,
    ::testing::Values(
        FailureCase{"wire_zero", [] { return CalcLoopInduk(1000, 0); }, 1, DivisionByZero},
        FailureCase{"both_zero", [] { return CalcLoopInduk(0, 0); }, 1, InvalidOperation},
        FailureCase{"loop_zero", [] { return CalcLoopInduk(0, 20); }, 2, LogarithmOfNonPositive},
        FailureCase{"opposite_signs", [] { return CalcLoopInduk(-1000, 20); }, 2,
                    LogarithmOfNonPositive},
        FailureCase{"ratio_rounds_to_zero", [] { return CalcLoopInduk(1e-300, 1e100); }, 2,
                    LogarithmOfNonPositive},
        FailureCase{"ratio_beyond_range", [] { return CalcLoopInduk(1e300, 1e-300); }, 3,
                    Overflow}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace welvaro::formulas
