#include "window_design.h"

#include <algorithm>
#include <array>

#include "form1.h"

namespace welvaro::ui {
namespace {

using enum ControlKind;
using enum ControlFont;
using enum TextColour;
using enum ShapeStyle;
using enum TextBoxId;
namespace captions = texts::captions;
namespace accessible = texts::accessibility;

/// A column of the design that only some rows fill.
template <typename Value>
using OptionalColumn = std::optional<Value> ControlRow::*;

/// Whether each id names exactly one row, so that every typed control is built.
template <typename Id, std::size_t N>
constexpr bool EachIdOnce(const std::array<ControlRow, N>& design, OptionalColumn<Id> slot) {
  for (std::size_t id = 0; id < kCountOf<Id>; ++id) {
    const auto rows = std::count_if(design.begin(), design.end(), [&](const ControlRow& row) {
      return row.*slot == static_cast<Id>(id);
    });
    if (rows != 1) return false;
  }
  return true;
}

/// Whether the places of some rows run 0, 1, 2, ... without gaps or repeats.
template <std::size_t N>
constexpr bool PlacesFormASequence(const std::array<ControlRow, N>& design,
                                   OptionalColumn<int> place) {
  std::array<int, N> seen{};
  for (const ControlRow& row : design) {
    if (!(row.*place)) continue;
    const int value = *(row.*place);
    if (value < 0 || static_cast<std::size_t>(value) >= N || seen[value]++ != 0) return false;
  }
  return std::is_partitioned(seen.begin(), seen.end(), [](int count) { return count == 1; });
}

}  // namespace

std::span<const ControlRow> WindowDesign() {
  static constexpr std::array<ControlRow, 31> kDesign = {{
      // Frequency and wavelength converter, with the boxed note at the top right.
      {.name = "Label1",
       .kind = Label,
       .rect = {240, 240, 6615, 375},
       .font = ArialBold12,
       .caption = captions::kConverterHeading,
       .paintingPlace = 0},
      {.name = "Label2",
       .kind = Label,
       .rect = {600, 720, 1935, 375},
       .font = ArialBold9_75,
       .caption = captions::kFrequencyInMHz,
       .paintingPlace = 1},
      {.name = "TextFreq",
       .kind = TextBox,
       .rect = {2880, 720, 1695, 375},
       .font = ArialBold9_75,
       .tabPlace = 0,
       .accessible = accessible::kFrequencyInput,
       .textBox = TextFreq},
      {.name = "CommandFreq",
       .kind = CommandButton,
       .rect = {4800, 720, 2415, 375},
       .font = ArialBold9_75,
       .caption = captions::kToWavelength,
       .tabPlace = 1,
       .accessible = accessible::kToWavelength,
       .action = &Form1::CommandFreqClick},
      {.name = "TextFreq2",
       .kind = TextBox,
       .rect = {7440, 720, 1695, 375},
       .font = ArialBold9_75,
       .tabPlace = 2,
       .accessible = accessible::kWavelengthResult,
       .textBox = TextFreq2},
      {.name = "Label3",
       .kind = Label,
       .rect = {600, 1320, 2175, 375},
       .font = ArialBold9_75,
       .caption = captions::kWavelengthInMetres,
       .paintingPlace = 2},
      {.name = "TextWelang",
       .kind = TextBox,
       .rect = {2880, 1200, 1695, 375},
       .font = ArialBold9_75,
       .tabPlace = 3,
       .accessible = accessible::kWavelengthInput,
       .textBox = TextWelang},
      {.name = "CommandWelang",
       .kind = CommandButton,
       .rect = {4800, 1200, 2415, 375},
       .font = ArialBold9_75,
       .caption = captions::kToFrequency,
       .tabPlace = 4,
       .accessible = accessible::kToFrequency,
       .action = &Form1::CommandWelangClick},
      {.name = "TextWelang2",
       .kind = TextBox,
       .rect = {7440, 1200, 1695, 375},
       .font = ArialBold9_75,
       .tabPlace = 5,
       .accessible = accessible::kFrequencyResult,
       .textBox = TextWelang2},
      {.name = "Shape2",
       .kind = Shape,
       .rect = {9360, 300, 3015, 1575},
       .paintingPlace = 15,
       .shape = WindowWithThinBorder},
      {.name = "LblIntro",
       .kind = Label,
       .rect = {9540, 540, 2655, 1215},
       .font = CourierNew12,
       .caption = captions::kIntroPlaceholder,
       .centred = true,
       .paintingPlace = 16,
       .composedLabel = ComposedLabelId::LblIntro},

      // Half-wave dipole.
      {.name = "Label4",
       .kind = Label,
       .rect = {240, 2160, 11175, 375},
       .font = ArialBold12,
       .caption = captions::kDipoleHeading,
       .paintingPlace = 3},
      {.name = "Label5",
       .kind = Label,
       .rect = {720, 2880, 1935, 375},
       .font = ArialBold9_75,
       .caption = captions::kFrequencyInMHz,
       .paintingPlace = 4},
      {.name = "TextMHz",
       .kind = TextBox,
       .rect = {2880, 2880, 1695, 375},
       .font = ArialBold9_75,
       .tabPlace = 6,
       .accessible = accessible::kDipoleFrequencyInput,
       .textBox = TextMHz},
      {.name = "CommandCalc",
       .kind = CommandButton,
       .rect = {4800, 2880, 2415, 995},
       .font = ArialBold9_75,
       .caption = captions::kCalculate,
       .tabPlace = 8,
       .accessible = accessible::kCalculateDipole,
       .action = &Form1::CommandCalcClick},
      {.name = "TextDipol1",
       .kind = TextBox,
       .rect = {7440, 2880, 1695, 375},
       .font = ArialBold9_75,
       .tabPlace = 9,
       .accessible = accessible::kLengthWithoutCorrection,
       .textBox = TextDipol1},
      {.name = "Label7",
       .kind = Label,
       .rect = {9360, 2880, 3255, 375},
       .font = ArialBold9_75,
       .caption = captions::kLengthWithoutCorrection,
       .paintingPlace = 6},
      {.name = "Label6",
       .kind = Label,
       .rect = {720, 3480, 1935, 375},
       .font = ArialBold9_75,
       .caption = captions::kWireThicknessInMm,
       .colour = Black,
       .paintingPlace = 5},
      {.name = "TextDraht",
       .kind = TextBox,
       .rect = {2880, 3480, 1695, 375},
       .font = ArialBold9_75,
       .tabPlace = 7,
       .accessible = accessible::kWireThicknessInput,
       .textBox = TextDraht},
      {.name = "TextDipol2",
       .kind = TextBox,
       .rect = {7440, 3480, 1695, 375},
       .font = ArialBold9_75,
       .tabPlace = 10,
       .accessible = accessible::kLengthWithCorrection,
       .textBox = TextDipol2},
      {.name = "Label8",
       .kind = Label,
       .rect = {9360, 3480, 3255, 375},
       .font = ArialBold9_75,
       .caption = captions::kLengthWithCorrection,
       .paintingPlace = 7},

      // The boxed explanation.
      {.name = "Shape1",
       .kind = Shape,
       .rect = {360, 4250, 12015, 1335},
       .paintingPlace = 8,
       .shape = WhiteWithTealBorder},
      {.name = "Label11",
       .kind = Label,
       .rect = {720, 4440, 11895, 375},
       .font = ArialBold9_75,
       .caption = captions::kCorrectionExplained,
       .colour = Black,
       .paintingPlace = 9},
      {.name = "Label12",
       .kind = Label,
       .rect = {720, 4800, 11895, 375},
       .font = ArialBold9_75,
       .caption = captions::kShorteningFactorRule,
       .colour = Black,
       .paintingPlace = 10},
      {.name = "Label9",
       .kind = Label,
       .rect = {720, 5160, 11895, 375},
       .font = ArialBold9_75,
       .caption = captions::kLoadingCoilHint,
       .colour = Black,
       .paintingPlace = 11},

      // The three dialog calculators, each with its formula.
      {.name = "CommandSpule",
       .kind = CommandButton,
       .rect = {360, 5880, 2415, 375},
       .font = ArialBold9_75,
       .caption = captions::kCalculateCoil,
       .tabPlace = 11,
       .accessible = accessible::kCalculateCoil,
       .action = &Form1::CommandSpuleClick},
      {.name = "LblFormel",
       .kind = Label,
       .rect = {3000, 5955, 9135, 345},
       .font = ArialBold9_75,
       .caption = captions::kFormulaPlaceholder,
       .colour = White,
       .paintingPlace = 12,
       .composedLabel = ComposedLabelId::LblFormel},
      {.name = "CommandDrehko",
       .kind = CommandButton,
       .rect = {360, 6360, 2415, 375},
       .font = ArialBold9_75,
       .caption = captions::kResonanceFrequency,
       .tabPlace = 12,
       .accessible = accessible::kResonanceFrequency,
       .action = &Form1::CommandDrehkoClick},
      {.name = "LblResfreq",
       .kind = Label,
       .rect = {3000, 6410, 9135, 345},
       .font = ArialBold9_75,
       .caption = captions::kFormulaPlaceholder,
       .colour = White,
       .paintingPlace = 13,
       .composedLabel = ComposedLabelId::LblResfreq},
      {.name = "CommandLoopInduk",
       .kind = CommandButton,
       .rect = {360, 6840, 2415, 375},
       .font = ArialBold9_75,
       .caption = captions::kCalculateLoop,
       .tabPlace = 13,
       .accessible = accessible::kCalculateLoop,
       .action = &Form1::CommandLoopIndukClick},
      {.name = "LblLoop",
       .kind = Label,
       .rect = {3000, 6890, 9135, 345},
       .font = ArialBold9_75,
       .caption = captions::kFormulaPlaceholder,
       .colour = White,
       .paintingPlace = 14,
       .composedLabel = ComposedLabelId::LblLoop},
  }};
  static_assert(EachIdOnce(kDesign, &ControlRow::textBox));
  static_assert(EachIdOnce(kDesign, &ControlRow::composedLabel));
  static_assert(PlacesFormASequence(kDesign, &ControlRow::tabPlace));
  static_assert(PlacesFormASequence(kDesign, &ControlRow::paintingPlace));
  return kDesign;
}

}  // namespace welvaro::ui
