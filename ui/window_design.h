#pragma once

#include <QStringView>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "texts.h"

namespace welvaro::ui {

class Form1;

enum class ControlKind { Label, TextBox, CommandButton, Shape };
enum class ControlFont { ArialBold9_75, ArialBold12, CourierNew12 };
enum class TextColour { SystemButtonText, Black, White };
enum class ShapeStyle { WhiteWithTealBorder, WindowWithThinBorder };

/// The text boxes the actions read and write.
enum class TextBoxId {
  TextFreq,
  TextFreq2,
  TextWelang,
  TextWelang2,
  TextMHz,
  TextDraht,
  TextDipol1,
  TextDipol2,
  Count
};

/// The labels whose captions the load action composes.
enum class ComposedLabelId { LblFormel, LblResfreq, LblLoop, LblIntro, Count };

template <typename Id>
inline constexpr std::size_t kCountOf = static_cast<std::size_t>(Id::Count);

/// A rectangle in twips from the top-left corner of the client area.
struct TwipsRect {
  int left;
  int top;
  int width;
  int height;
};

/// Everything the program knows about one control as designed. A row sets
/// only what matters for its kind.
struct ControlRow {
  std::string_view name{};
  ControlKind kind{};
  TwipsRect rect{};
  std::optional<ControlFont> font{};
  QStringView caption{};
  /// Labels only.
  TextColour colour = TextColour::SystemButtonText;
  /// Labels only; a button's caption is always centred.
  bool centred = false;
  /// Place in the tab sequence of a text box or button.
  std::optional<int> tabPlace{};
  /// Labels and shapes, from back to front; text boxes and buttons lie above them all.
  std::optional<int> paintingPlace{};
  std::optional<ShapeStyle> shape{};
  texts::accessibility::AccessibleText accessible{};
  std::optional<TextBoxId> textBox{};
  std::optional<ComposedLabelId> composedLabel{};
  void (Form1::*action)() = nullptr;
};

inline constexpr int kTwipsPerPixel = 15;

/// Twips to pixels at 96 dpi, rounded to the nearest pixel; 15 is odd, so no
/// value lies halfway (4250 twips give 283 pixels, 995 give 66).
constexpr int TwipsToPixels(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

inline constexpr int kClientWidthTwips = 12690;
inline constexpr int kClientHeightTwips = 7545;

/// All 31 controls, band by band from the top of the window.
[[nodiscard]] std::span<const ControlRow> WindowDesign();

}  // namespace welvaro::ui
