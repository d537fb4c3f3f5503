#pragma once

#include <QWidget>

#include "window_design.h"

namespace welvaro::ui {

/// A filled rectangle with a solid border drawn inside its edges; it takes
/// neither focus nor input. A shape in the scheme's colours follows a change
/// of scheme at its next paint.
class Shape final : public QWidget {
  Q_OBJECT

 public:
  Shape(ShapeStyle style, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  ShapeStyle style_;
};

}  // namespace welvaro::ui
