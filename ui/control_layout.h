#pragma once

#include <span>
#include <string_view>

namespace welvaro::ui {

enum class ControlKind { Label, TextBox, CommandButton, Shape };
enum class ControlFont { NoFont, ArialBold9_75, ArialBold12, CourierNew12 };
enum class TextColour { SystemButtonText, Black, White };
enum class ShapeStyle { NotAShape, WhiteWithTealBorder, WindowWithThinBorder };

/// One control of the window as designed: its rectangle in twips from the
/// top-left corner of the client area.
struct ControlSpec {
  std::string_view name;
  ControlKind kind;
  int left;
  int top;
  int width;
  int height;
  ControlFont font;
  /// Place in the tab sequence; labels hold places too but never take the focus.
  int tabIndex;
  std::string_view caption;
  TextColour colour;
  bool centred;
  ShapeStyle shape;
};

inline constexpr int kTwipsPerPixel = 15;

/// Twips to pixels at 96 dpi, rounded to the nearest pixel; 15 is odd, so no
/// value lies halfway (4250 twips give 283 pixels, 995 give 66).
constexpr int TwipsToPixels(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

inline constexpr int kClientWidthTwips = 12690;
inline constexpr int kClientHeightTwips = 7545;

/// All 31 controls, band by band from the top of the window.
[[nodiscard]] std::span<const ControlSpec> Controls();

/// Labels and shapes from back to front: each shape lies beneath the labels
/// inside it. Text boxes and buttons lie above all of them.
[[nodiscard]] std::span<const std::string_view> PaintingOrder();

}  // namespace welvaro::ui
