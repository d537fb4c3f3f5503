#pragma once

#include <QColor>
#include <QWidget>

namespace welvaro::ui {

/// A filled rectangle with a solid border drawn inside its edges; it takes
/// neither focus nor input.
class Shape final : public QWidget {
  Q_OBJECT

 public:
  Shape(QColor fill, QColor border, int borderWidth, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor fill_;
  QColor border_;
  int borderWidth_;
};

}  // namespace welvaro::ui
