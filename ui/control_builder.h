#pragma once

class QWidget;

namespace welvaro::ui {

struct ControlRow;

/// Makes one control as its row designs it: kind, place and size at 96 dpi,
/// font, caption, colour and what a screen reader says of it.
QWidget* BuildControl(const ControlRow& row, QWidget* parent);

}  // namespace welvaro::ui
