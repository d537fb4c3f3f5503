#pragma once

#include <QString>

#include "notations.h"

namespace welvaro::testing {

/// The notation of a region with a decimal point ("point") or comma ("comma").
inline RegionalNotation NotationNamed(const QString& name) {
  return name == QLatin1String("comma") ? CommaNotation() : PointNotation();
}

}  // namespace welvaro::testing
