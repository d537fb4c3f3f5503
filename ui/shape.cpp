#include "shape.h"

#include <QPainter>

namespace welvaro::ui {

Shape::Shape(QColor fill, QColor border, int borderWidth, QWidget* parent)
    : QWidget(parent), fill_(fill), border_(border), borderWidth_(borderWidth) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFocusPolicy(Qt::NoFocus);
}

void Shape::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), border_);
  painter.fillRect(rect().adjusted(borderWidth_, borderWidth_, -borderWidth_, -borderWidth_),
                   fill_);
}

}  // namespace welvaro::ui
