#include "accessibility.h"

#include <QLabel>
#include <QWidget>
#include <array>

namespace welvaro::ui {
namespace {

struct Description {
  const char* control;
  const char* label;  // the label beside a text box, or nullptr
  const char* name;
  const char* description;
};

constexpr std::array<Description, 14> kDescriptions = {{
    {"TextFreq", "Label2", "Frequenz in MHz", "Eingabe der Frequenz in Megahertz"},
    {"CommandFreq", nullptr, "Wellenlänge", "Berechnet die Wellenlänge aus der Frequenz"},
    {"TextFreq2", nullptr, "Wellenlänge, Ergebnis", "Die berechnete Wellenlänge in Meter"},
    {"TextWelang", "Label3", "Wellenlänge in Meter", "Eingabe der Wellenlänge in Meter"},
    {"CommandWelang", nullptr, "Frequenz", "Berechnet die Frequenz aus der Wellenlänge"},
    {"TextWelang2", nullptr, "Frequenz, Ergebnis", "Die berechnete Frequenz in Megahertz"},
    {"TextMHz", "Label5", "Dipol: Frequenz in MHz", "Eingabe der Frequenz des Dipols in Megahertz"},
    {"TextDraht", "Label6", "Drahtdicke in mm", "Eingabe der Drahtdicke in Millimeter"},
    {"CommandCalc", nullptr, "Berechne",
     "Berechnet die Gesamtlänge des Dipols ohne und mit Verkürzungsfaktor"},
    {"TextDipol1", "Label7", "Gesamtlänge ohne Korrektur, Ergebnis",
     "Die Gesamtlänge des Dipols ohne Korrektur in Meter"},
    {"TextDipol2", "Label8", "Gesamtlänge mit Korrektur, Ergebnis",
     "Die Gesamtlänge des Dipols mit Verkürzungsfaktor in Meter"},
    {"CommandSpule", nullptr, "Spule berechnen",
     "Fragt Durchmesser, Länge und Windungen ab und zeigt die Induktivität der Luftspule"},
    {"CommandDrehko", nullptr, "Resonanzfrequenz",
     "Fragt Induktivität und Kapazität ab und zeigt die Resonanzfrequenz"},
    {"CommandLoopInduk", nullptr, "Loop berechnen",
     "Fragt Loop- und Drahtdurchmesser ab und zeigt die Induktivität der Loop"},
}};

}  // namespace

void DescribeForScreenReaders(QWidget& form) {
  for (const Description& entry : kDescriptions) {
    auto* control = form.findChild<QWidget*>(QLatin1String(entry.control));
    control->setAccessibleName(QString::fromUtf8(entry.name));
    control->setAccessibleDescription(QString::fromUtf8(entry.description));
    if (entry.label != nullptr) {
      form.findChild<QLabel*>(QLatin1String(entry.label))->setBuddy(control);
    }
  }
}

}  // namespace welvaro::ui
