#include "long_text_edit.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPaintEvent>

#include "caret_frames.h"

namespace welvaro::ui {
namespace {

class LongTextFilter final : public QObject {
 public:
  explicit LongTextFilter(QLineEdit& edit) : QObject(&edit) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    // Still called while the edit is destroyed, as a plain widget by then.
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (edit == nullptr) return false;
    switch (event->type()) {
      case QEvent::Paint:
        return Paint(*edit, static_cast<QPaintEvent&>(*event));
      case QEvent::KeyRelease:
        // QLineEdit restarts the blink as a key is let go, which repaints the
        // cursor as it already is. Ignored, the release still goes on to
        // the parent, as QWidget passes it on.
        if (edit->text().size() < CaretFrames::kLongText) return false;
        event->ignore();
        return true;
      default:
        return false;
    }
  }

 private:
  // The edit's own paint runs inside this one, so that what it painted can
  // be kept as it ends.
  bool Paint(QLineEdit& edit, QPaintEvent& event) {
    if (painting_) return false;
    if (frames_.PaintBlink(edit, event)) return true;
    painting_ = true;
    QCoreApplication::sendEvent(&edit, &event);
    painting_ = false;
    frames_.Painted(edit, event);
    return true;
  }

  CaretFrames frames_;
  bool painting_ = false;
};

}  // namespace

void KeepLongTextLight(QLineEdit& edit) { edit.installEventFilter(new LongTextFilter(edit)); }

}  // namespace welvaro::ui
