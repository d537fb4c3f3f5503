#pragma once

#include <QPixmap>
#include <QRect>
#include <QSize>
#include <array>

class QLineEdit;
class QPaintEvent;

namespace welvaro::ui {

/// The blinks of a line edit's text cursor, painted from pictures while the
/// edit holds a long text. Qt 6.4's QLineEdit measures its whole text on every
/// paint, each blink included: with megabytes of text, two blinks a second keep
/// a core busy. The cursor's place is painted by the edit itself once in each
/// state of the blink and kept as a picture; the pictures are shown from then
/// on by turns, until something but the blink changes.
class CaretFrames {
 public:
  /// Texts at least this long are painted through the pictures.
  static constexpr qsizetype kLongText = 10'000;

  /// Paints `event` for `edit` if it only redraws the text cursor of a long
  /// text, and says whether it did; any other paint makes it forget its pictures.
  bool Paint(QLineEdit& edit, const QPaintEvent& event);

  /// While the edit renders a picture its own paint must run.
  [[nodiscard]] bool Rendering() const { return rendering_; }

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
  /// Renders the picture of one state of the blink, as the edit shows it now.
  void Take(QLineEdit& edit, int state);
  void Forget(const Shown& now);

  Shown shown_;
  QRect caret_;
  std::array<QPixmap, 2> pictures_;
  int next_ = 0;
  bool rendering_ = false;
};

}  // namespace welvaro::ui
