#include "caret_frames.h"

#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

namespace welvaro::ui {

CaretFrames::Shown CaretFrames::Now(const QLineEdit& edit) {
  return {.size = edit.size(),
          .cursor = edit.cursorPosition(),
          .selectionStart = edit.selectionStart(),
          .selectionLength = edit.selectionLength(),
          .textLength = edit.text().size(),
          .focus = edit.hasFocus(),
          .palette = edit.palette().cacheKey()};
}

bool CaretFrames::Paint(QLineEdit& edit, const QPaintEvent& event) {
  if (edit.text().size() < kLongText) {
    Forget({});
    return false;
  }
  const Shown now = Now(edit);
  if (now != shown_) Forget(now);
  // The edit finds its cursor's place from the start of its text: asked once
  // for what is shown, not at every blink.
  if (caret_.isNull()) caret_ = edit.inputMethodQuery(Qt::ImCursorRectangle).toRect();
  if (!caret_.contains(event.rect())) {
    Forget(now);
    return false;
  }
  const int state = next_;
  next_ = 1 - next_;
  if (pictures_.at(state).isNull()) {
    // A widget cannot be rendered while it paints: the edit paints this
    // state of the blink itself, and it is taken for the picture at once after.
    QTimer::singleShot(0, &edit, [this, &edit, state] { Take(edit, state); });
    return false;
  }
  QPainter painter(&edit);
  painter.drawPixmap(caret_.topLeft(), pictures_.at(state));
  return true;
}

void CaretFrames::Forget(const Shown& now) {
  shown_ = now;
  caret_ = {};
  pictures_ = {};
  next_ = 0;
}

void CaretFrames::Take(QLineEdit& edit, int state) {
  if (Now(edit) != shown_ || caret_.isNull()) return;
  const qreal ratio = edit.devicePixelRatioF();
  QPixmap picture(caret_.size() * ratio);
  picture.setDevicePixelRatio(ratio);
  picture.fill(Qt::transparent);
  rendering_ = true;
  edit.render(&picture, {}, QRegion(caret_), QWidget::DrawChildren);
  rendering_ = false;
  pictures_.at(state) = picture;
}

}  // namespace welvaro::ui
