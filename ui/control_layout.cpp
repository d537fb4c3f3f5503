#include "control_layout.h"

#include <array>

namespace welvaro::ui {
namespace {

using enum ControlKind;
using enum ControlFont;
using enum TextColour;
using enum ShapeStyle;

constexpr std::array<ControlSpec, 31> kControls = {{
    {"Label1", Label, 240, 240, 6615, 375, ArialBold12, 0,
     "Umrechnung Frequenz in Wellenlänge und umgekehrt", SystemButtonText, false, NotAShape},
    {"Label2", Label, 600, 720, 1935, 375, ArialBold9_75, 1, "Frequenz in MHz", SystemButtonText,
     false, NotAShape},
    {"TextFreq", TextBox, 2880, 720, 1695, 375, ArialBold9_75, 2, "", SystemButtonText, false,
     NotAShape},
    {"CommandFreq", CommandButton, 4800, 720, 2415, 375, ArialBold9_75, 3, "Wellenlänge >",
     SystemButtonText, true, NotAShape},
    {"TextFreq2", TextBox, 7440, 720, 1695, 375, ArialBold9_75, 4, "", SystemButtonText, false,
     NotAShape},
    {"Label3", Label, 600, 1320, 2175, 375, ArialBold9_75, 5, "Wellenlänge in Meter",
     SystemButtonText, false, NotAShape},
    {"TextWelang", TextBox, 2880, 1200, 1695, 375, ArialBold9_75, 6, "", SystemButtonText, false,
     NotAShape},
    {"CommandWelang", CommandButton, 4800, 1200, 2415, 375, ArialBold9_75, 7, "Frequenz >",
     SystemButtonText, true, NotAShape},
    {"TextWelang2", TextBox, 7440, 1200, 1695, 375, ArialBold9_75, 8, "", SystemButtonText, false,
     NotAShape},
    {"Shape2", Shape, 9360, 300, 3015, 1575, NoFont, -1, "", SystemButtonText, false,
     WindowWithThinBorder},
    {"LblIntro", Label, 9540, 540, 2655, 1215, CourierNew12, 28, "Intro", SystemButtonText, true,
     NotAShape},
    {"Label4", Label, 240, 2160, 11175, 375, ArialBold12, 9,
     "Lambda/2 Dipol-Antenne mit Verkürzungsfaktor. Für Lambda/4 nochmals halbieren.",
     SystemButtonText, false, NotAShape},
    {"Label5", Label, 720, 2880, 1935, 375, ArialBold9_75, 10, "Frequenz in MHz", SystemButtonText,
     false, NotAShape},
    {"TextMHz", TextBox, 2880, 2880, 1695, 375, ArialBold9_75, 11, "", SystemButtonText, false,
     NotAShape},
    {"CommandCalc", CommandButton, 4800, 2880, 2415, 995, ArialBold9_75, 14, "Berechne",
     SystemButtonText, true, NotAShape},
    {"TextDipol1", TextBox, 7440, 2880, 1695, 375, ArialBold9_75, 15, "", SystemButtonText, false,
     NotAShape},
    {"Label7", Label, 9360, 2880, 3255, 375, ArialBold9_75, 17, "Gesamtlänge ohne Korrektur",
     SystemButtonText, false, NotAShape},
    {"Label6", Label, 720, 3480, 1935, 375, ArialBold9_75, 12, "Drahtdicke in mm", Black, false,
     NotAShape},
    {"TextDraht", TextBox, 2880, 3480, 1695, 375, ArialBold9_75, 13, "", SystemButtonText, false,
     NotAShape},
    {"TextDipol2", TextBox, 7440, 3480, 1695, 375, ArialBold9_75, 16, "", SystemButtonText, false,
     NotAShape},
    {"Label8", Label, 9360, 3480, 3255, 375, ArialBold9_75, 18, "Gesamtlänge mit Korrektur",
     SystemButtonText, false, NotAShape},
    {"Shape1", Shape, 360, 4250, 12015, 1335, NoFont, -1, "", SystemButtonText, false,
     WhiteWithTealBorder},
    {"Label11", Label, 720, 4440, 11895, 375, ArialBold9_75, 19,
     "Die Korrektur (Verkürzungsfaktor) berücksichtigt die Drahtdicke. Je dicker der Draht, "
     "desto breitbandiger die Antenne.",
     Black, false, NotAShape},
    {"Label12", Label, 720, 4800, 11895, 375, ArialBold9_75, 20,
     "Verkürzungsfaktor = Dipollänge geteilt durch (Dipollänge + Drahtdicke)", Black, false, NotAShape},
    {"Label9", Label, 720, 5160, 11895, 375, ArialBold9_75, 21,
     "Mit einer Verlängerungsspule lässt sich die Antenne zusätzlich verkürzen. ", Black, false,
     NotAShape},
    {"CommandSpule", CommandButton, 360, 5880, 2415, 375, ArialBold9_75, 22, "Spule berechnen",
     SystemButtonText, true, NotAShape},
    {"LblFormel", Label, 3000, 5955, 9135, 345, ArialBold9_75, 23, "Formel", White, false, NotAShape},
    {"CommandDrehko", CommandButton, 360, 6360, 2415, 375, ArialBold9_75, 24, "Resonanzfrequenz",
     SystemButtonText, true, NotAShape},
    {"LblResfreq", Label, 3000, 6410, 9135, 345, ArialBold9_75, 25, "Formel", White, false, NotAShape},
    {"CommandLoopInduk", CommandButton, 360, 6840, 2415, 375, ArialBold9_75, 26, "Loop berechnen",
     SystemButtonText, true, NotAShape},
    {"LblLoop", Label, 3000, 6890, 9135, 345, ArialBold9_75, 27, "Formel", White, false, NotAShape},
}};

constexpr std::array<std::string_view, 17> kPaintingOrder = {
    "Label1",  "Label2",  "Label3", "Label4",    "Label5",     "Label6",
    "Label7",  "Label8",  "Shape1", "Label11",   "Label12",    "Label9",
    "LblFormel", "LblResfreq", "LblLoop", "Shape2", "LblIntro"};

}  // namespace

std::span<const ControlSpec> Controls() { return kControls; }
std::span<const std::string_view> PaintingOrder() { return kPaintingOrder; }

}  // namespace welvaro::ui
