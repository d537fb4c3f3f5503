// Where long double is the x87 extended format (x86-64, i386), the x87 unit
// itself is a second implementation of the step rule: every step computed in
// its registers, stored through a volatile Double, and the thread's
// floating-point status tested. The formulas must agree with it bit for bit,
// failures included. Elsewhere the test is skipped.
#include <gtest/gtest.h>

#include <cfenv>
#include <cfloat>

#include "constants.h"
#include "extended_math.h"
#include "failures.h"
#include "formula_inputs.h"

namespace welvaro::formulas {
namespace {

#if LDBL_MANT_DIG == 64 && LDBL_MAX_EXP == 16384
constexpr bool kLongDoubleIsX87 = true;

/// Keeps the status as it was across the square root and the logarithm,
/// which come from MPFR and may set conditions of their own. Raised again
/// rather than restored with fesetexceptflag, whose MinGW-w64 12 version
/// unmasks exceptions on Windows, so that the next x87 step traps.
class StatusKeeper {
 public:
  StatusKeeper() : saved_(std::fetestexcept(FE_ALL_EXCEPT)) {}
  ~StatusKeeper() {
    std::feclearexcept(FE_ALL_EXCEPT);
    std::feraiseexcept(saved_);
  }
  StatusKeeper(const StatusKeeper&) = delete;
  StatusKeeper& operator=(const StatusKeeper&) = delete;

 private:
  int saved_;
};

/// Out of line, and through a volatile, so that the compiler neither folds a
/// step nor moves its arithmetic across the status test.
[[gnu::noinline]] void Test(int step) {
  const int raised = std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
  if ((raised & FE_INVALID) != 0)
    throw ArithmeticError(step, ArithmeticCondition::InvalidOperation);
  if ((raised & FE_DIVBYZERO) != 0)
    throw ArithmeticError(step, ArithmeticCondition::DivisionByZero);
  if ((raised & FE_OVERFLOW) != 0) throw ArithmeticError(step, ArithmeticCondition::Overflow);
}

[[gnu::noinline]] double HandOver(long double value) {
  const volatile auto stored = static_cast<double>(value);
  return stored;
}

[[gnu::noinline]] double Store(int step, long double value) {
  const double stored = HandOver(value);
  Test(step);
  return stored;
}

[[gnu::noinline]] long double TestUnrounded(int step, long double value) {
  const volatile long double kept = value;
  Test(step);
  return kept;
}

double Root(int step, double value) {
  const StatusKeeper status;
  return SquareRoot(step, value);
}

double Logarithm(int step, double value) {
  const StatusKeeper status;
  return NaturalLogarithm(step, value);
}

using X87 = long double;

/// The six formulas on the x87 unit. The square is one x87 multiplication,
/// rounded once: the correctly rounded power.
Outcome OnTheX87(const FormulaInput& input) {
  const double first = input.first;
  const double second = input.second;
  const std::int16_t turns = input.turns;
  std::feclearexcept(FE_ALL_EXCEPT);
  switch (input.formula) {
    case Formula::CalcWelang:
    case Formula::CalcFreq:
      return OutcomeOf([&] { return Store(1, kWaveConstant / X87{first}); });
    case Formula::CalcDipol:
      return OutcomeOf([&] {
        const double wireM = Store(1, second / X87{1000});
        const double halfWave = Store(2, kWaveConstant / X87{first} / 2);
        const double factor = Store(3, halfWave / (X87{halfWave} + wireM));
        return DipoleLengths{halfWave, Store(4, X87{halfWave} * factor)};
      });
    case Formula::CalcSpule:
      return OutcomeOf([&] {
        const double radius = Store(1, first / X87{200});
        const double area = Store(2, X87{radius} * radius * kPi);
        const X87 turnsSquared = X87{static_cast<double>(turns)} * static_cast<double>(turns);
        const double henry =
            Store(3, turnsSquared * kMagneticConstant * area / (second / X87{100}));
        return Store(4, X87{henry} * 1000000);
      });
    case Formula::CalcResfreq:
      return OutcomeOf([&] {
        const double henry = Store(1, first / X87{1000000});
        const double farad = Store(2, second / X87{1000000000000});
        const X87 product = TestUnrounded(3, X87{farad} * henry);
        const double root = Root(4, HandOver(product));
        const double hertz = Store(5, 1 / (X87{root} * kTwoPi));
        return Store(6, hertz / X87{1000});
      });
    case Formula::CalcLoopInduk:
      return OutcomeOf([&] {
        const X87 ratio = TestUnrounded(1, X87{first} * 8 / second);
        const double logarithm = Logarithm(2, HandOver(ratio));
        return Store(3, (X87{first} * kLoopFactor) * (X87{logarithm} - 2));
      });
  }
  return {0, ArithmeticCondition::Overflow};
}
#else
constexpr bool kLongDoubleIsX87 = false;
Outcome OnTheX87(const FormulaInput& /*input*/) { return {0, ArithmeticCondition::Overflow}; }
#endif

class X87CheckTest : public ::testing::TestWithParam<Formula> {};

TEST_P(X87CheckTest, AgreesBitForBitForEveryInputKind) {
  if (!kLongDoubleIsX87) GTEST_SKIP() << "long double is not the x87 extended format here";
  InputGenerator generate(static_cast<std::uint64_t>(GetParam()) + 101);
  const int inputs = InputsPerFormula();
  for (int i = 0; i < inputs; ++i) {
    const FormulaInput input = generate.Next(GetParam(), i);
    ASSERT_EQ(Evaluate(input), OnTheX87(input)) << input;
  }
}

INSTANTIATE_TEST_SUITE_P(AllFormulas, X87CheckTest, ::testing::ValuesIn(kAllFormulas),
                         [](const auto& info) { return std::string(NameOf(info.param)); });

}  // namespace
}  // namespace welvaro::formulas
