#include "caret_frames.h"

#include <QBackingStore>
#include <QLineEdit>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

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

bool CaretFrames::StillShown(const QLineEdit& edit) {
  const Shown now = edit.text().size() >= kLongText ? Now(edit) : Shown{};
  if (now == shown_ && now.textLength > 0) return true;
  shown_ = now;
  caret_ = {};
  pictures_.clear();
  return false;
}

bool CaretFrames::PaintBlink(QLineEdit& edit, const QPaintEvent& event) {
  if (!StillShown(edit) || pictures_.size() < 2 || !caret_.contains(event.rect())) return false;
  last_ = 1 - last_;
  QPainter(&edit).drawImage(caret_.topLeft(), pictures_.at(last_));
  return true;
}

void CaretFrames::Painted(QLineEdit& edit, const QPaintEvent& event) {
  StillShown(edit);
  if (shown_.textLength == 0 || edit.backingStore() == nullptr) return;
  // The edit places its cursor as it paints (a new font or margin moves it
  // too); its place is asked for here, not at every blink, since the edit
  // finds it from the start of its text.
  const QRect caret = edit.inputMethodQuery(Qt::ImCursorRectangle).toRect() & edit.rect();
  if (caret != caret_) {
    caret_ = caret;
    pictures_.clear();
  }
  // Only a paint into the window's backing store is what the screen shows; a
  // grab of the edit paints into a picture of its own.
  QPainter painter(&edit);
  const QPaintDevice* target = painter.paintEngine()->paintDevice();
  painter.end();
  const auto* window = dynamic_cast<const QImage*>(target);
  if (window == nullptr || target != edit.backingStore()->paintDevice() || caret_.isEmpty() ||
      !event.rect().contains(caret_)) {
    return;
  }
  const qreal ratio = window->devicePixelRatio();
  const QRect inWindow(edit.mapTo(edit.window(), caret_.topLeft()) * ratio, caret_.size() * ratio);
  if (!window->rect().contains(inWindow)) return;
  QImage picture = window->copy(inWindow);
  picture.setDevicePixelRatio(ratio);
  const auto kept = std::ranges::find(pictures_, picture);
  if (kept == pictures_.end()) {
    pictures_.push_back(picture);
    last_ = pictures_.size() - 1;
  } else {
    last_ = static_cast<std::size_t>(kept - pictures_.begin());
  }
  // A third picture: the place showed more than the blink; start again from it.
  if (pictures_.size() > 2) {
    pictures_ = {picture};
    last_ = 0;
  }
}

}  // namespace welvaro::ui
