#pragma once

#include <QString>
#include <QStringView>

// Every German text of the program, grouped by where the user meets it.
namespace welvaro::ui::texts {

namespace window {
/// Names the program and titles every message box and prompt dialog.
inline constexpr QStringView kApplicationTitle = u"Welvaro";
inline constexpr QStringView kCaption = u"Welvaro von Tarsimo";
}  // namespace window

// The captions the controls are built with.
namespace captions {
inline constexpr QStringView kConverterHeading =
    u"Umrechnung Frequenz in Wellenlänge und umgekehrt";
inline constexpr QStringView kFrequencyInMHz = u"Frequenz in MHz";
inline constexpr QStringView kToWavelength = u"Wellenlänge >";
inline constexpr QStringView kWavelengthInMetres = u"Wellenlänge in Meter";
inline constexpr QStringView kToFrequency = u"Frequenz >";
inline constexpr QStringView kIntroPlaceholder = u"Intro";
inline constexpr QStringView kDipoleHeading =
    u"Lambda/2 Dipol-Antenne mit Verkürzungsfaktor. Für Lambda/4 nochmals halbieren.";
inline constexpr QStringView kCalculate = u"Berechne";
inline constexpr QStringView kLengthWithoutCorrection = u"Gesamtlänge ohne Korrektur";
inline constexpr QStringView kWireThicknessInMm = u"Drahtdicke in mm";
inline constexpr QStringView kLengthWithCorrection = u"Gesamtlänge mit Korrektur";
inline constexpr QStringView kCorrectionExplained =
    u"Die Korrektur (Verkürzungsfaktor) berücksichtigt die Drahtdicke. Je dicker der Draht, "
    u"desto breitbandiger die Antenne.";
inline constexpr QStringView kShorteningFactorRule =
    u"Verkürzungsfaktor = Dipollänge geteilt durch (Dipollänge + Drahtdicke)";
inline constexpr QStringView kLoadingCoilHint =
    u"Mit einer Verlängerungsspule lässt sich die Antenne zusätzlich verkürzen. ";
inline constexpr QStringView kCalculateCoil = u"Spule berechnen";
inline constexpr QStringView kResonanceFrequency = u"Resonanzfrequenz";
inline constexpr QStringView kCalculateLoop = u"Loop berechnen";
inline constexpr QStringView kFormulaPlaceholder = u"Formel";
}  // namespace captions

// The captions the load action composes, each from its fixed parts.
namespace load_captions {
/// A site that offers an online calculator for loading coils.
inline constexpr QStringView kLoadingCoilSite = u"k7mem.com";

inline QString CoilFormula() {
  return QStringLiteral("Wheeler Formel: L ˜ (µ0 * N² * A) /l ") +
         QStringLiteral(" >>> Verlängerungsspulen online berechnen bei ") +
         kLoadingCoilSite.toString();
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
}  // namespace load_captions

namespace warnings {
inline constexpr QStringView kFrequency = u"Bitte gib eine gültige Frequenz in Megahertz ein.";
inline constexpr QStringView kWavelength = u"Bitte gib eine gültige Wellenlänge in Meter ein.";
inline constexpr QStringView kDipole =
    u"Bitte gib gültige Zahlenwerte für Frequenz und Drahtdicke ein.";
/// Shown when a formula fails on accepted input, such as a frequency of 0.
inline constexpr QStringView kNotComputable =
    u"Mit diesen Werten ist die Berechnung nicht möglich. Bitte gib andere Werte ein.";
inline constexpr QStringView kCoilDiameter =
    u"Bitte gib einen gültigen Durchmesser der Luftspule in cm ein.";
inline constexpr QStringView kCoilLength = u"Bitte gib eine gültige Länge der Luftspule in cm ein.";
inline constexpr QStringView kCoilTurns =
    u"Bitte gib eine gültige Anzahl der Windungen ein (eine ganze Zahl von -32768 bis 32767).";
}  // namespace warnings

namespace prompts {
inline constexpr QStringView kCoilDiameter = u"Bitte gib den Durchmesser der Luftspule in cm ein:";
inline constexpr QStringView kCoilLength = u"Bitte gib die Länge der Luftspule in cm ein:";
inline constexpr QStringView kCoilTurns = u"Bitte gib die Anzahl der Windungen ein:";
inline constexpr QStringView kInductance =
    u"Bitte gib die Induktivität der Spule in Mikrohenry (µH) ein:";
inline constexpr QStringView kCapacitance =
    u"Bitte gib die Kapazität des (Dreh-)Kondensators in Picofarad (pF) ein:";
inline constexpr QStringView kLoopDiameter =
    u"Bitte gib den Durchmesser der Loop-Antenne in Millimetern ein:";
inline constexpr QStringView kLoopWire =
    u"Bitte gib den Drahtdurchmesser der Loop-Antenne in Millimetern ein:";
}  // namespace prompts

// Each result message is its lead, the formatted number and its unit.
namespace results {
inline constexpr QStringView kCoilLead = u"Die Induktivität der Luftspule beträgt ";
inline constexpr QStringView kCoilUnit = u" Mikrohenry.";
inline constexpr QStringView kResonanceLead = u"Die Resonanzfrequenz beträgt: ";
inline constexpr QStringView kResonanceUnit = u" kHz";
inline constexpr QStringView kLoopLead = u"Die Induktivität der Loop-Antenne beträgt: ";
inline constexpr QStringView kLoopUnit = u" µH";
}  // namespace results

// What a screen reader says when results are written: each quantity, then its box's text.
namespace announcements {
inline constexpr QStringView kWavelength = u"Wellenlänge: ";
inline constexpr QStringView kFrequency = u"Frequenz: ";
inline constexpr QStringView kLengthWithoutCorrection = u"Gesamtlänge ohne Korrektur: ";
inline constexpr QStringView kLengthWithCorrection = u"Gesamtlänge mit Korrektur: ";
inline constexpr QStringView kSeparator = u", ";
}  // namespace announcements

// What a screen reader says for each control that takes the focus.
namespace accessibility {
struct AccessibleText {
  QStringView name;
  QStringView description;
};

inline constexpr AccessibleText kFrequencyInput = {u"Frequenz in MHz",
                                                   u"Eingabe der Frequenz in Megahertz"};
inline constexpr AccessibleText kToWavelength = {u"Wellenlänge",
                                                 u"Berechnet die Wellenlänge aus der Frequenz"};
inline constexpr AccessibleText kWavelengthResult = {u"Wellenlänge, Ergebnis",
                                                     u"Die berechnete Wellenlänge in Meter"};
inline constexpr AccessibleText kWavelengthInput = {u"Wellenlänge in Meter",
                                                    u"Eingabe der Wellenlänge in Meter"};
inline constexpr AccessibleText kToFrequency = {u"Frequenz",
                                                u"Berechnet die Frequenz aus der Wellenlänge"};
inline constexpr AccessibleText kFrequencyResult = {u"Frequenz, Ergebnis",
                                                    u"Die berechnete Frequenz in Megahertz"};
inline constexpr AccessibleText kDipoleFrequencyInput = {
    u"Dipol: Frequenz in MHz", u"Eingabe der Frequenz des Dipols in Megahertz"};
inline constexpr AccessibleText kWireThicknessInput = {u"Drahtdicke in mm",
                                                       u"Eingabe der Drahtdicke in Millimeter"};
inline constexpr AccessibleText kCalculateDipole = {
    u"Berechne", u"Berechnet die Gesamtlänge des Dipols ohne und mit Verkürzungsfaktor"};
inline constexpr AccessibleText kLengthWithoutCorrection = {
    u"Gesamtlänge ohne Korrektur, Ergebnis", u"Die Gesamtlänge des Dipols ohne Korrektur in Meter"};
inline constexpr AccessibleText kLengthWithCorrection = {
    u"Gesamtlänge mit Korrektur, Ergebnis",
    u"Die Gesamtlänge des Dipols mit Verkürzungsfaktor in Meter"};
inline constexpr AccessibleText kCalculateCoil = {
    u"Spule berechnen",
    u"Fragt Durchmesser, Länge und Windungen ab und zeigt die Induktivität der Luftspule"};
inline constexpr AccessibleText kResonanceFrequency = {
    u"Resonanzfrequenz", u"Fragt Induktivität und Kapazität ab und zeigt die Resonanzfrequenz"};
inline constexpr AccessibleText kCalculateLoop = {
    u"Loop berechnen", u"Fragt Loop- und Drahtdurchmesser ab und zeigt die Induktivität der Loop"};
}  // namespace accessibility

}  // namespace welvaro::ui::texts
