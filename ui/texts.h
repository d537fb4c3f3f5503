#pragma once

#include <QString>

// Every text the window shows besides its captions, as the user reads it.
namespace welvaro::ui::texts {

inline QString ApplicationTitle() { return QStringLiteral("Welvaro"); }

inline QString FrequencyWarning() {
  return QStringLiteral("Bitte gib eine gültige Frequenz in Megahertz ein.");
}
inline QString WavelengthWarning() {
  return QStringLiteral("Bitte gib eine gültige Wellenlänge in Meter ein.");
}
inline QString DipoleWarning() {
  return QStringLiteral("Bitte gib gültige Zahlenwerte für Frequenz und Drahtdicke ein.");
}
/// Shown when a formula fails on accepted input, such as a frequency of 0.
inline QString NotComputableWarning() {
  return QStringLiteral(
      "Mit diesen Werten ist die Berechnung nicht möglich. Bitte gib andere Werte ein.");
}

inline QString CoilDiameterPrompt() {
  return QStringLiteral("Bitte gib den Durchmesser der Luftspule in cm ein:");
}
inline QString CoilLengthPrompt() {
  return QStringLiteral("Bitte gib die Länge der Luftspule in cm ein:");
}
inline QString CoilTurnsPrompt() { return QStringLiteral("Bitte gib die Anzahl der Windungen ein:"); }
inline QString CoilDiameterWarning() {
  return QStringLiteral("Bitte gib einen gültigen Durchmesser der Luftspule in cm ein.");
}
inline QString CoilLengthWarning() {
  return QStringLiteral("Bitte gib eine gültige Länge der Luftspule in cm ein.");
}
inline QString CoilTurnsWarning() {
  return QStringLiteral(
      "Bitte gib eine gültige Anzahl der Windungen ein (eine ganze Zahl von -32768 bis 32767).");
}
inline QString CoilResultLead() { return QStringLiteral("Die Induktivität der Luftspule beträgt "); }
inline QString CoilResultUnit() { return QStringLiteral(" Mikrohenry."); }

inline QString InductancePrompt() {
  return QStringLiteral("Bitte gib die Induktivität der Spule in Mikrohenry (µH) ein:");
}
inline QString CapacitancePrompt() {
  return QStringLiteral("Bitte gib die Kapazität des (Dreh-)Kondensators in Picofarad (pF) ein:");
}
inline QString ResonanceResultLead() { return QStringLiteral("Die Resonanzfrequenz beträgt: "); }
inline QString ResonanceResultUnit() { return QStringLiteral(" kHz"); }

inline QString LoopDiameterPrompt() {
  return QStringLiteral("Bitte gib den Durchmesser der Loop-Antenne in Millimetern ein:");
}
inline QString LoopWirePrompt() {
  return QStringLiteral("Bitte gib den Drahtdurchmesser der Loop-Antenne in Millimetern ein:");
}
inline QString LoopResultLead() {
  return QStringLiteral("Die Induktivität der Loop-Antenne beträgt: ");
}
inline QString LoopResultUnit() { return QStringLiteral(" µH"); }

}  // namespace welvaro::ui::texts
