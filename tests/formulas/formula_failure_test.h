#pragma once

#include <gtest/gtest.h>

#include <functional>

#include "failures.h"

namespace welvaro::formulas {

/// A formula call that must raise ArithmeticError at the named step.
struct FailureCase {
  const char* name;
  std::function<double()> formula;
  int step;
  ArithmeticCondition condition;
};

/// Instantiated by each formula's tests with its own failure table.
class FormulaFailureTest : public ::testing::TestWithParam<FailureCase> {};

}  // namespace welvaro::formulas
