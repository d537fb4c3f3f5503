#include "wave_formulas.h"

#include <gtest/gtest.h>
#include <mpfr.h>

#include <cfenv>
#include <cmath>
#include <limits>

#include "failures.h"
#include "formula_failure_test.h"
#include "rounded_once.h"
#include "twelve_digits.h"

namespace welvaro::formulas {
namespace {

using testing::RoundedOnce;
using testing::TwelveDigits;

TEST(WaveFormulas, ConvertBetweenFrequencyAndWavelength) {
  EXPECT_EQ(TwelveDigits(CalcWelang(7.1)), "42.2535211268");
  EXPECT_EQ(TwelveDigits(CalcWelang(145)), "2.06896551724");
  EXPECT_EQ(CalcWelang(300), 1.0);
  EXPECT_EQ(TwelveDigits(CalcWelang(-7.1)), "-42.2535211268");
  EXPECT_EQ(CalcFreq(40), 7.5);
  EXPECT_EQ(CalcFreq(2), 150.0);
  EXPECT_EQ(TwelveDigits(CalcFreq(42.25)), "7.10059171598");
  // One correctly rounded division, whatever the extended format did first.
  EXPECT_EQ(CalcWelang(7.1), RoundedOnce(300, mpfr_div_d, 7.1));
}

struct DipoleCase {
  const char* name;
  double frequencyMHz;
  double wireMm;
  const char* withoutCorrection;
  const char* withCorrection;
};

class DipoleTest : public ::testing::TestWithParam<DipoleCase> {};

TEST_P(DipoleTest, GivesBothLengths) {
  const DipoleCase& c = GetParam();
  const DipoleLengths lengths = CalcDipol(c.frequencyMHz, c.wireMm);
  EXPECT_EQ(TwelveDigits(lengths.withoutCorrectionM), c.withoutCorrection);
  EXPECT_EQ(TwelveDigits(lengths.withCorrectionM), c.withCorrection);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DipoleTest,
    ::testing::Values(DipoleCase{"forty_metres", 7.1, 2, "21.1267605634", "21.1247607527"},
                      DipoleCase{"two_metres", 145, 1.5, "1.03448275862", "1.03298493047"},
                      DipoleCase{"eighty_metres", 3.6, 1.5, "41.6666666667", "41.6651667207"},
                      DipoleCase{"thin_wire", 7.1, 0, "21.1267605634", "21.1267605634"},
                      DipoleCase{"half_factor", 150, 1000, "1", "0.5"},
                      DipoleCase{"negative_frequency", -7.1, 2, "-21.1267605634",
                                 "-21.1287607527"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WaveFormulas, ShorteningFactorFollowsTheWire) {
  // The factor is not delivered; it shows as the ratio of the two lengths.
  const auto ratio = [](double frequency, double wire) {
    const DipoleLengths lengths = CalcDipol(frequency, wire);
    return lengths.withCorrectionM / lengths.withoutCorrectionM;
  };
  EXPECT_EQ(TwelveDigits(ratio(7.1, 2)), "0.999905342294");
  EXPECT_EQ(TwelveDigits(ratio(145, 1.5)), "0.998552099456");
  EXPECT_EQ(TwelveDigits(ratio(-7.1, 2)), "1.00009467563");
  EXPECT_EQ(ratio(7.1, 0), 1.0);
  EXPECT_LT(ratio(7.1, 4), ratio(7.1, 2));
}

TEST(WaveFormulas, HalvesBeforeRoundingSoAHalfWaveSurvivesAWavelengthOverflow) {
  constexpr double kFrequency = 1e-306;  // 300 / f = 3e308, beyond the Double range
  try {
    (void)CalcWelang(kFrequency);
    ADD_FAILURE() << "CalcWelang did not overflow";
  } catch (const ArithmeticError& error) {
    EXPECT_EQ(error.condition(), ArithmeticCondition::Overflow);
  }
  const DipoleLengths lengths = CalcDipol(kFrequency, 2);
  EXPECT_EQ(TwelveDigits(lengths.withoutCorrectionM), "1.5e+308");
  EXPECT_EQ(lengths.withCorrectionM, lengths.withoutCorrectionM);
}

TEST(WaveFormulas, IgnoresConditionsLeftByEarlierCode) {
  std::feraiseexcept(FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID);
  mpfr_set_nanflag();
  mpfr_set_divby0();
  mpfr_set_overflow();
  EXPECT_EQ(TwelveDigits(CalcWelang(7.1)), "42.2535211268");
  std::feclearexcept(FE_ALL_EXCEPT);
}

double DipoleLength(double frequency, double wire) {
  return CalcDipol(frequency, wire).withoutCorrectionM;
}

INSTANTIATE_TEST_SUITE_P(
    Wave, FormulaFailureTest,
    ::testing::Values(FailureCase{"wavelength_of_zero", [] { return CalcWelang(0); }, 1,
                                  ArithmeticCondition::DivisionByZero},
                      FailureCase{"wavelength_beyond_range", [] { return CalcWelang(1e-307); }, 1,
                                  ArithmeticCondition::Overflow},
                      FailureCase{"frequency_of_zero", [] { return CalcFreq(0); }, 1,
                                  ArithmeticCondition::DivisionByZero},
                      FailureCase{"frequency_of_negative_zero", [] { return CalcFreq(-0.0); }, 1,
                                  ArithmeticCondition::DivisionByZero},
                      FailureCase{"frequency_beyond_range", [] { return CalcFreq(-1e-307); }, 1,
                                  ArithmeticCondition::Overflow},
                      FailureCase{"dipole_of_zero", [] { return DipoleLength(0, 2); }, 2,
                                  ArithmeticCondition::DivisionByZero},
                      FailureCase{"dipole_beyond_range", [] { return DipoleLength(1e-307, 2); }, 2,
                                  ArithmeticCondition::Overflow},
                      FailureCase{"wire_cancels_length", [] { return DipoleLength(150, -1000); }, 3,
                                  ArithmeticCondition::DivisionByZero},
                      FailureCase{"corrected_beyond_range",
                                  [] { return DipoleLength(8.35e-307, -1.79e308); }, 4,
                                  ArithmeticCondition::Overflow}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace welvaro::formulas
