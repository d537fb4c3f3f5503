#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <vector>

class QLineEdit;
class QPaintEvent;

namespace welvaro::ui {

/// The blinks of a line edit's text cursor, shown from pictures while the edit
/// holds a long text. Qt 6.4's QLineEdit measures its whole text on every
/// paint, each blink included: with megabytes of text, two blinks a second keep
/// a core busy. What the edit paints at its cursor's place is kept as it leaves
/// the window's backing store; once both states of the blink are kept, the
/// blinks show them by turns, until something but the blink changes.
class CaretFrames {
 public:
  /// Texts at least this long are blinked from the pictures.
  static constexpr qsizetype kLongText = 10'000;

  /// Paints `event` from the pictures if it only redraws the blinking cursor
  /// and both pictures are kept; says whether it did.
  bool PaintBlink(QLineEdit& edit, const QPaintEvent& event);

  /// Keeps what the edit has just painted for `event` at its cursor's place.
  void Painted(QLineEdit& edit, const QPaintEvent& event);

 private:
  /// What the pictures show besides the blink.
  struct Shown {
    QSize size;
    int cursor = 0;
    int selectionStart = 0;
    int selectionLength = 0;
    qsizetype textLength = 0;
    bool focus = false;
    qint64 palette = 0;

    friend bool operator==(const Shown&, const Shown&) = default;
  };

  static Shown Now(const QLineEdit& edit);
  /// Whether the pictures still show the edit; forgets them if not.
  bool StillShown(const QLineEdit& edit);

  Shown shown_;
  QRect caret_;
  std::vector<QImage> pictures_;
  std::size_t last_ = 0;
};

}  // namespace welvaro::ui
