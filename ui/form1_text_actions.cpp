#include <QLineEdit>
#include <QStringList>
#include <initializer_list>

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

// Each box shows the start of its result, sign and leading digits; a result
// wider than the box would otherwise show its end. The screen reader hears
// all results of the press at once, as the focus stays on the button.
void Form1::ShowResults(std::initializer_list<Result> results) {
  QStringList spoken;
  for (const auto& [box, quantity, text] : results) {
    textBoxes_[box]->setText(text);
    textBoxes_[box]->setCursorPosition(0);
    spoken << quantity.toString() + text;
  }
  announcer_.Announce(spoken.join(texts::announcements::kSeparator));
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
    ShowResults({{TextFreq2, texts::announcements::kWavelength, Format(wavelengthM, "0.00 m")}});
  });
}

void Form1::CommandWelangClick() {
  using enum TextBoxId;
  CalculateFromBoxes<1>(
      {textBoxes_[TextWelang]}, texts::warnings::kWavelength, [this](auto values) {
        const double frequencyMHz = formulas::CalcFreq(values[0]);
        ShowResults(
            {{TextWelang2, texts::announcements::kFrequency, Format(frequencyMHz, "0.00 MHz")}});
      });
}

void Form1::CommandCalcClick() {
  using enum TextBoxId;
  namespace spoken = texts::announcements;
  CalculateFromBoxes<2>(
      {textBoxes_[TextMHz], textBoxes_[TextDraht]}, texts::warnings::kDipole, [this](auto values) {
        const formulas::DipoleLengths lengths = formulas::CalcDipol(values[0], values[1]);
        ShowResults({{TextDipol1, spoken::kLengthWithoutCorrection,
                      Format(lengths.withoutCorrectionM, "0.000 m")},
                     {TextDipol2, spoken::kLengthWithCorrection,
                      Format(lengths.withCorrectionM, "0.000 m")}});
      });
}

}  // namespace welvaro::ui
