#pragma once

#include "failures.h"

namespace welvaro::ui {

/// The error mode of the resonance and loop actions: a statement that raises
/// ConversionError or ArithmeticError is abandoned where it failed, so the
/// value it would have assigned keeps its previous one, and the action goes
/// on with its next statement. Nothing is shown for the failure.
class ResumeNext {
 public:
  template <typename Statement>
  void operator()(Statement&& statement) const {
    try {
      statement();
    } catch (const ConversionError&) {
    } catch (const ArithmeticError&) {
    }
  }
};

}  // namespace welvaro::ui
