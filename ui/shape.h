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

  /// Draws the shape as it paints itself into `image`, whose top-left pixel
  /// lies at `origin` in the parent, without a painter: quick for the small
  /// images beneath the labels.
  void DrawInto(QImage& image, QPoint origin) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  [[nodiscard]] int BorderWidth() const;
  [[nodiscard]] QColor Border() const;
  [[nodiscard]] QColor Fill() const;

  ShapeStyle style_;
};

}  // namespace welvaro::ui
