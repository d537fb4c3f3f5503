#pragma once

#include <QString>

// The four captions the load action composes, each from its fixed parts.
namespace welvaro::ui::captions {

/// A site that offers an online calculator for loading coils.
inline QString LoadingCoilSite() { return QStringLiteral("k7mem.com"); }

inline QString CoilFormula() {
  return QStringLiteral("Wheeler Formel: L ˜ (µ0 * N² * A) /l ") +
         QStringLiteral(" >>> Verlängerungsspulen online berechnen bei ") + LoadingCoilSite();
}
inline QString ResonanceFormula() {
  return QStringLiteral("Formel: fr = 1 / (2 * p * v(L * C))") +
         QStringLiteral(" >>> Z.B. für Loop Antenne mit Drehkondensator");
}
inline QString LoopFormula() {
  return QStringLiteral("Formel: L = 0.0002 * p * D * (LN(8 * D/d) - 2)") +
         QStringLiteral(" >>> Für magnetische Loop mit 1 Windung");
}
inline QString Intro() {
  return QStringLiteral("Die Berechnungen wurden alle mit Referenzwerten verglichen.");
}

}  // namespace welvaro::ui::captions
