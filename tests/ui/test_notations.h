#pragma once

#include <QString>

#include "regional_notation.h"

namespace welvaro::testing {

/// The notation of a region with a decimal point ("point") or comma ("comma").
inline RegionalNotation NotationNamed(const QString& name) {
  if (name == QLatin1String("comma")) return {",", ".", "-", "+"};
  return {".", ",", "-", "+"};
}

}  // namespace welvaro::testing
