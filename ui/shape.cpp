#include "shape.h"

#include <QPainter>

namespace welvaro::ui {

Shape::Shape(ShapeStyle style, QWidget* parent) : QWidget(parent), style_(style) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
}

void Shape::paintEvent(QPaintEvent* /*event*/) {
  const bool white = style_ == ShapeStyle::WhiteWithTealBorder;
  const int borderWidth = white ? 3 : 1;
  QPainter painter(this);
  painter.fillRect(rect(), white ? QColor(0, 192, 192) : palette().color(QPalette::Text));
  painter.fillRect(rect().adjusted(borderWidth, borderWidth, -borderWidth, -borderWidth),
                   white ? QColor(255, 255, 255) : palette().color(QPalette::Base));
}

}  // namespace welvaro::ui
