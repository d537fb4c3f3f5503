#pragma once

class QImage;
class QLabel;
class QWidget;

namespace welvaro::ui {

struct ControlRow;
enum class TextColour;

/// Makes one control as its row designs it: kind, place and size at 96 dpi,
/// font, caption and what a screen reader says of it.
QWidget* BuildControl(const ControlRow& row, QWidget* parent);

/// Gives a label's caption its designed colour; a caption designed in the
/// scheme's button-text colour keeps it only where it is readable on every
/// pixel of `beneath`, what lies under the label without it; other captions
/// need no `beneath`.
void ColourCaption(QLabel& label, TextColour designed, const QImage& beneath);

}  // namespace welvaro::ui
