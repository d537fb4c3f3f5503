#include <QLineEdit>

#include "failures.h"
#include "form1.h"
#include "format_result.h"
#include "number_text.h"
#include "texts.h"
#include "wave_formulas.h"

namespace welvaro::ui {

QString Form1::Format(double value, std::string_view pattern) const {
  return QString::fromStdString(FormatResult(value, pattern, notation_));
}

// Tests every input, not only up to the first bad one, converts them all and
// then computes; the result boxes are written only after the formula returned.
template <std::size_t N, typename Compute>
void Form1::CalculateFromBoxes(const std::array<QLineEdit*, N>& inputs, const QString& warning,
                               Compute compute) {
  std::array<std::string, N> entries;
  bool allNumeric = true;
  for (std::size_t i = 0; i < N; ++i) {
    entries[i] = inputs[i]->text().toStdString();
    allNumeric = IsNumeric(entries[i], notation_) && allNumeric;
  }
  if (!allNumeric) {
    dialogs_.ShowMessage(warning, MessageIcon::Warning);
    return;
  }
  std::array<double, N> values{};
  for (std::size_t i = 0; i < N; ++i) values[i] = TextToDouble(entries[i], notation_);
  try {
    compute(values);
  } catch (const ArithmeticError&) {
    dialogs_.ShowMessage(texts::NotComputableWarning(), MessageIcon::Warning);
  }
}

void Form1::CommandFreqClick() {
  CalculateFromBoxes<1>({TextBox("TextFreq")}, texts::FrequencyWarning(), [this](auto values) {
    const double wavelengthM = formulas::CalcWelang(values[0]);
    TextBox("TextFreq2")->setText(Format(wavelengthM, "0.00 m"));
  });
}

void Form1::CommandWelangClick() {
  CalculateFromBoxes<1>({TextBox("TextWelang")}, texts::WavelengthWarning(), [this](auto values) {
    const double frequencyMHz = formulas::CalcFreq(values[0]);
    TextBox("TextWelang2")->setText(Format(frequencyMHz, "0.00 MHz"));
  });
}

void Form1::CommandCalcClick() {
  CalculateFromBoxes<2>({TextBox("TextMHz"), TextBox("TextDraht")}, texts::DipoleWarning(),
                        [this](auto values) {
                          const formulas::DipoleLengths lengths =
                              formulas::CalcDipol(values[0], values[1]);
                          TextBox("TextDipol1")->setText(Format(lengths.withoutCorrectionM, "0.000 m"));
                          TextBox("TextDipol2")->setText(Format(lengths.withCorrectionM, "0.000 m"));
                        });
}

}  // namespace welvaro::ui
