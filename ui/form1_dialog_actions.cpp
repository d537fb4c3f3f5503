#include <optional>

#include "coil_formulas.h"
#include "failures.h"
#include "form1.h"
#include "number_text.h"
#include "resume_next.h"
#include "texts.h"

namespace welvaro::ui {

struct Form1::TwoValueCalculation {
  QStringView firstPrompt;
  QStringView secondPrompt;
  double (*formula)(double, double);
  QStringView resultLead;
  QStringView resultUnit;
};

// Every value starts at 0; under ResumeNext a cancelled prompt, an entry that
// is no number or a failing formula leaves its value there, and the message
// always comes.
void Form1::AskTwoValuesAndShow(const TwoValueCalculation& calculation) {
  const ResumeNext resumeNext;
  const auto askNumber = [this](QStringView prompt) {
    return TextToDouble(dialogs_.AskText(prompt.toString()).value_or(QString()).toStdString(),
                        notation_);
  };
  double first = 0;
  double second = 0;
  double result = 0;
  resumeNext([&] { first = askNumber(calculation.firstPrompt); });
  resumeNext([&] { second = askNumber(calculation.secondPrompt); });
  resumeNext([&] { result = calculation.formula(first, second); });
  dialogs_.ShowMessage(calculation.resultLead.toString() + Format(result, "0.000") +
                           calculation.resultUnit.toString(),
                       MessageIcon::None);
}

void Form1::CommandDrehkoClick() {
  AskTwoValuesAndShow({texts::prompts::kInductance, texts::prompts::kCapacitance,
                       &formulas::CalcResfreq, texts::results::kResonanceLead,
                       texts::results::kResonanceUnit});
}

void Form1::CommandLoopIndukClick() {
  AskTwoValuesAndShow({texts::prompts::kLoopDiameter, texts::prompts::kLoopWire,
                       &formulas::CalcLoopInduk, texts::results::kLoopLead,
                       texts::results::kLoopUnit});
}

// The coil action has no error mode: a cancelled prompt ends the press
// quietly, a refused entry or a failing formula with a warning, and only a
// computed inductance is shown.
void Form1::CommandSpuleClick() {
  const auto ask = [this](QStringView prompt, QStringView warning,
                          auto convert) -> std::optional<decltype(convert(std::string()))> {
    const std::optional<QString> entry = dialogs_.AskText(prompt.toString());
    if (!entry) return std::nullopt;
    try {
      return convert(entry->toStdString());
    } catch (const ConversionError&) {
      dialogs_.ShowMessage(warning.toString(), MessageIcon::Warning);
      return std::nullopt;
    }
  };
  const auto toDouble = [this](const std::string& text) { return TextToDouble(text, notation_); };
  const auto toInteger = [this](const std::string& text) { return TextToInteger(text, notation_); };

  namespace prompts = texts::prompts;
  namespace warnings = texts::warnings;
  namespace results = texts::results;
  const auto diameterCm = ask(prompts::kCoilDiameter, warnings::kCoilDiameter, toDouble);
  if (!diameterCm) return;
  const auto lengthCm = ask(prompts::kCoilLength, warnings::kCoilLength, toDouble);
  if (!lengthCm) return;
  const auto turns = ask(prompts::kCoilTurns, warnings::kCoilTurns, toInteger);
  if (!turns) return;
  double inductanceUH = 0;
  try {
    inductanceUH = formulas::CalcSpule(*diameterCm, *lengthCm, *turns);
  } catch (const ArithmeticError&) {
    dialogs_.ShowMessage(warnings::kNotComputable.toString(), MessageIcon::Warning);
    return;
  }
  dialogs_.ShowMessage(
      results::kCoilLead.toString() + Format(inductanceUH, "0.000") + results::kCoilUnit.toString(),
      MessageIcon::None);
}

}  // namespace welvaro::ui
