#pragma once

#include <QLineEdit>

namespace welvaro::ui {

/// A text box without a length limit whose undo history stays small: QLineEdit
/// keeps a record for every character inserted or removed, so large pastes go
/// around it, and the history is dropped once its edits add up to a large text.
/// Ordinary typing keeps its undo.
class TextBox final : public QLineEdit {
 public:
  explicit TextBox(QWidget* parent = nullptr);

  /// Characters an edit may touch, and the history hold, before undo gives way.
  static constexpr qsizetype kUndoLimit = 10'000;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  bool PasteLargeWithoutHistory();
  void CountEdit();
  void DropUndoHistory();

  qsizetype lengthBefore_ = 0;
  qsizetype selectionBefore_ = 0;
  qsizetype editedSinceDrop_ = 0;
};

}  // namespace welvaro::ui
