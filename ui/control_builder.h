#pragma once

class QImage;
class QWidget;

namespace welvaro::ui {

struct ControlRow;

/// Makes one control as its row designs it: kind, place and size at 96 dpi,
/// font, caption, colour and what a screen reader says of it. A caption in
/// the desktop's colour stays readable on what lies beneath it.
QWidget* BuildControl(const ControlRow& row, const QImage& beneath, QWidget* parent);

}  // namespace welvaro::ui
