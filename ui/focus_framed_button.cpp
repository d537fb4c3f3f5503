#include "focus_framed_button.h"

#include <QPainter>

#include "contrast.h"

namespace welvaro::ui {
namespace {

constexpr int kFrameWidth = 2;
// Clear of the style's own border and bevel, clear of the caption.
constexpr int kFrameInset = 2;

}  // namespace

FocusFramedButton::FocusFramedButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {}

void FocusFramedButton::paintEvent(QPaintEvent* event) {
  QPushButton::paintEvent(event);
  if (!hasFocus()) return;
  // The scheme's focus colour where it stands out on the button's face; the
  // caption's colour, made to be read on that face, where it does not.
  const QPalette& colours = palette();
  const QColor frame =
      ContrastingColour(colours.color(QPalette::Highlight), colours.color(QPalette::ButtonText),
                        colours.color(QPalette::Button));
  const QRect outer = rect().adjusted(kFrameInset, kFrameInset, -kFrameInset, -kFrameInset);
  const QRect inner = outer.adjusted(kFrameWidth, kFrameWidth, -kFrameWidth, -kFrameWidth);
  QPainter painter(this);
  painter.setClipRegion(QRegion(outer).subtracted(inner));
  painter.fillRect(outer, frame);
}

}  // namespace welvaro::ui
