#include "window_placement.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>

namespace welvaro::ui {
namespace {

int Start(int frameLength, int availableStart, int availableLength) {
  return frameLength <= availableLength ? availableStart + (availableLength - frameLength) / 2
                                        : availableStart;
}

void Place(QWidget& window) {
  const QRect available = window.screen()->availableGeometry();
  // A top-level widget's position is that of its frame.
  window.move(FramePosition(window.frameGeometry().size(), available));
}

/// Places the window again when its frame's size changes, which happens once
/// the window manager has framed it; a move by the user changes no size and
/// is left alone.
class PlacementAfterFraming final : public QObject {
 public:
  explicit PlacementAfterFraming(QWidget& window)
      : QObject(&window), placedFrame_(window.frameGeometry().size()) {
    window.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize) {
      auto& window = static_cast<QWidget&>(*watched);
      if (window.frameGeometry().size() != placedFrame_) {
        Place(window);
        deleteLater();
      }
    }
    return false;
  }

 private:
  QSize placedFrame_;
};

}  // namespace

QPoint FramePosition(QSize frame, const QRect& available) {
  return {Start(frame.width(), available.left(), available.width()),
          Start(frame.height(), available.top(), available.height())};
}

void PlaceByFrame(QWidget& window) {
  Place(window);
  new PlacementAfterFraming(window);
}

}  // namespace welvaro::ui
