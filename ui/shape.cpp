#include "shape.h"

#include <QImage>
#include <QPainter>
#include <algorithm>

namespace welvaro::ui {
namespace {

void FillInto(QImage& image, QRect area, QColor colour) {
  const QRect inside = area & image.rect();
  for (int y = inside.top(); y <= inside.bottom(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    std::fill(line + inside.left(), line + inside.right() + 1, colour.rgb());
  }
}

}  // namespace

Shape::Shape(ShapeStyle style, QWidget* parent) : QWidget(parent), style_(style) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
}

int Shape::BorderWidth() const { return style_ == ShapeStyle::WhiteWithTealBorder ? 3 : 1; }

QColor Shape::Border() const {
  return style_ == ShapeStyle::WhiteWithTealBorder ? QColor(0, 192, 192)
                                                   : palette().color(QPalette::Text);
}

QColor Shape::Fill() const {
  return style_ == ShapeStyle::WhiteWithTealBorder ? QColor(255, 255, 255)
                                                   : palette().color(QPalette::Base);
}

void Shape::paintEvent(QPaintEvent* /*event*/) {
  const int border = BorderWidth();
  QPainter painter(this);
  painter.fillRect(rect(), Border());
  painter.fillRect(rect().adjusted(border, border, -border, -border), Fill());
}

void Shape::DrawInto(QImage& image, QPoint origin) const {
  const int border = BorderWidth();
  const QRect outer = geometry().translated(-origin);
  FillInto(image, outer, Border());
  FillInto(image, outer.adjusted(border, border, -border, -border), Fill());
}

}  // namespace welvaro::ui
