#pragma once

#include <QPushButton>

namespace welvaro::ui {

/// A push button that, while it has the focus, shows a frame two pixels wide
/// inside its edge, so that a keyboard user finds it at once on any
/// background and in any colour scheme. Without the focus it is the style's
/// own button.
class FocusFramedButton final : public QPushButton {
  Q_OBJECT

 public:
  FocusFramedButton(const QString& caption, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace welvaro::ui
