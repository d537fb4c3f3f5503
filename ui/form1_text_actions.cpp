#include <QLineEdit>

#include "failures.h"
#include "form1.h"
#include "format_result.h"
#include "number_text.h"
#include "texts.h"
#include "wave_formulas.h"

namespace welvaro::ui {
namespace {

/// Writes a result so that the box shows its sign and leading digits; a
/// result wider than the box would otherwise show its end.
void ShowResult(QLineEdit* box, const QString& result) {
  box->setText(result);
  box->setCursorPosition(0);
}

}  // namespace

QString Form1::Format(double value, std::string_view pattern) const {
  return QString::fromStdString(FormatResult(value, pattern, notation_));
}

// Tests every input, not only up to the first bad one, converts them all and
// then computes; the result boxes are written only after the formula returned.
template <std::size_t N, typename Compute>
void Form1::CalculateFromBoxes(const std::array<QLineEdit*, N>& inputs, QStringView warning,
                               Compute compute) {
  std::array<std::string, N> entries;
  bool allNumeric = true;
  for (std::size_t i = 0; i < N; ++i) {
    entries[i] = inputs[i]->text().toStdString();
    allNumeric = IsNumeric(entries[i], notation_) && allNumeric;
  }
  if (!allNumeric) {
    dialogs_.ShowMessage(warning.toString(), MessageIcon::Warning);
    return;
  }
  std::array<double, N> values{};
  for (std::size_t i = 0; i < N; ++i) values[i] = TextToDouble(entries[i], notation_);
  try {
    compute(values);
  } catch (const ArithmeticError&) {
    dialogs_.ShowMessage(texts::warnings::kNotComputable.toString(), MessageIcon::Warning);
  }
}

void Form1::CommandFreqClick() {
  using enum TextBoxId;
  CalculateFromBoxes<1>({textBoxes_[TextFreq]}, texts::warnings::kFrequency, [this](auto values) {
    const double wavelengthM = formulas::CalcWelang(values[0]);
    ShowResult(textBoxes_[TextFreq2], Format(wavelengthM, "0.00 m"));
  });
}

void Form1::CommandWelangClick() {
  using enum TextBoxId;
  CalculateFromBoxes<1>({textBoxes_[TextWelang]}, texts::warnings::kWavelength,
                        [this](auto values) {
                          const double frequencyMHz = formulas::CalcFreq(values[0]);
                          ShowResult(textBoxes_[TextWelang2], Format(frequencyMHz, "0.00 MHz"));
                        });
}

void Form1::CommandCalcClick() {
  using enum TextBoxId;
  CalculateFromBoxes<2>(
      {textBoxes_[TextMHz], textBoxes_[TextDraht]}, texts::warnings::kDipole, [this](auto values) {
        const formulas::DipoleLengths lengths = formulas::CalcDipol(values[0], values[1]);
        ShowResult(textBoxes_[TextDipol1], Format(lengths.withoutCorrectionM, "0.000 m"));
        ShowResult(textBoxes_[TextDipol2], Format(lengths.withCorrectionM, "0.000 m"));
      });
}

}  // namespace welvaro::ui
