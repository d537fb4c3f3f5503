#include <optional>

#include "coil_formulas.h"
#include "failures.h"
#include "form1.h"
#include "number_text.h"
#include "resume_next.h"
#include "texts.h"

namespace welvaro::ui {

struct Form1::TwoValueCalculation {
  QString firstPrompt;
  QString secondPrompt;
  double (*formula)(double, double);
  QString resultLead;
  QString resultUnit;
};

// Every value starts at 0; under ResumeNext a cancelled prompt, an entry that
// is no number or a failing formula leaves its value there, and the message
// always comes.
void Form1::AskTwoValuesAndShow(const TwoValueCalculation& calculation) {
  const ResumeNext resumeNext;
  const auto askNumber = [this](const QString& prompt) {
    return TextToDouble(dialogs_.AskText(prompt).value_or(QString()).toStdString(), notation_);
  };
  double first = 0;
  double second = 0;
  double result = 0;
  resumeNext([&] { first = askNumber(calculation.firstPrompt); });
  resumeNext([&] { second = askNumber(calculation.secondPrompt); });
  resumeNext([&] { result = calculation.formula(first, second); });
  dialogs_.ShowMessage(calculation.resultLead + Format(result, "0.000") + calculation.resultUnit,
                       MessageIcon::None);
}

void Form1::CommandDrehkoClick() {
  AskTwoValuesAndShow({texts::InductancePrompt(), texts::CapacitancePrompt(),
                       &formulas::CalcResfreq, texts::ResonanceResultLead(),
                       texts::ResonanceResultUnit()});
}

void Form1::CommandLoopIndukClick() {
  AskTwoValuesAndShow({texts::LoopDiameterPrompt(), texts::LoopWirePrompt(),
                       &formulas::CalcLoopInduk, texts::LoopResultLead(),
                       texts::LoopResultUnit()});
}

// The coil action has no error mode: a cancelled prompt ends the press
// quietly, a refused entry or a failing formula with a warning, and only a
// computed inductance is shown.
void Form1::CommandSpuleClick() {
  const auto ask = [this](const QString& prompt, const QString& warning,
                          auto convert) -> std::optional<decltype(convert(std::string()))> {
    const std::optional<QString> entry = dialogs_.AskText(prompt);
    if (!entry) return std::nullopt;
    try {
      return convert(entry->toStdString());
    } catch (const ConversionError&) {
      dialogs_.ShowMessage(warning, MessageIcon::Warning);
      return std::nullopt;
    }
  };
  const auto toDouble = [this](const std::string& text) { return TextToDouble(text, notation_); };
  const auto toInteger = [this](const std::string& text) { return TextToInteger(text, notation_); };

  const auto diameterCm = ask(texts::CoilDiameterPrompt(), texts::CoilDiameterWarning(), toDouble);
  if (!diameterCm) return;
  const auto lengthCm = ask(texts::CoilLengthPrompt(), texts::CoilLengthWarning(), toDouble);
  if (!lengthCm) return;
  const auto turns = ask(texts::CoilTurnsPrompt(), texts::CoilTurnsWarning(), toInteger);
  if (!turns) return;
  double inductanceUH = 0;
  try {
    inductanceUH = formulas::CalcSpule(*diameterCm, *lengthCm, *turns);
  } catch (const ArithmeticError&) {
    dialogs_.ShowMessage(texts::NotComputableWarning(), MessageIcon::Warning);
    return;
  }
  dialogs_.ShowMessage(texts::CoilResultLead() + Format(inductanceUH, "0.000") +
                           texts::CoilResultUnit(),
                       MessageIcon::None);
}

}  // namespace welvaro::ui
