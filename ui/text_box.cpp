#include "text_box.h"

#include <QAccessible>
#include <QClipboard>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <cstdlib>
#include <limits>

#include "long_text_edit.h"

namespace welvaro::ui {

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
  setMaxLength(std::numeric_limits<int>::max());
  KeepLongTextLight(*this);
  // QLineEdit reports an edit first, then its new length, then the cleared
  // selection: at the edit, length and selection are still those before it.
  connect(this, &QLineEdit::selectionChanged, this,
          [this] { selectionBefore_ = selectionLength(); });
  connect(this, &QLineEdit::textEdited, this, &TextBox::CountEdit);
  connect(this, &QLineEdit::textChanged, this,
          [this](const QString& text) { lengthBefore_ = text.size(); });
}

void TextBox::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Paste) && !isReadOnly() && PasteLargeWithoutHistory()) return;
  QLineEdit::keyPressEvent(event);
}

// Tab selects the whole text as the focus arrives, and Qt tells a screen
// reader of the selection before it tells of the focus: Orca then reads the
// text twice, first as a selection, then with the box. Selected once the focus
// is told, the text is read once, with the box.
void TextBox::focusInEvent(QFocusEvent* event) {
  const Qt::FocusReason reason = event->reason();
  const bool selectsAll = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                          reason == Qt::ShortcutFocusReason;
  if (!selectsAll || !QAccessible::isActive()) {
    QLineEdit::focusInEvent(event);
    return;
  }
  QFocusEvent withoutSelecting(event->type(), Qt::OtherFocusReason);
  QLineEdit::focusInEvent(&withoutSelecting);
  // Queued calls run before the next paint.
  QMetaObject::invokeMethod(this, "selectAll", Qt::QueuedConnection);
}

// Replaces the selection, or inserts at the cursor, as QLineEdit's paste does,
// but through setText, which records nothing.
bool TextBox::PasteLargeWithoutHistory() {
  const QString pasted = QGuiApplication::clipboard()->text(QClipboard::Clipboard);
  const qsizetype replaced = selectionLength();
  if (pasted.size() + replaced < kUndoLimit) return false;
  const qsizetype start = hasSelectedText() ? selectionStart() : cursorPosition();
  QString edited = text();
  edited.replace(start, replaced, pasted);
  setText(edited);
  setCursorPosition(static_cast<int>(start + pasted.size()));
  editedSinceDrop_ = 0;
  return true;
}

// Every other edit (typing, deleting, pasting by menu or middle button,
// dropping) is recorded by QLineEdit; its size is estimated from the change
// of length and the selection it replaced.
void TextBox::CountEdit() {
  const qsizetype lengthAfter = text().size();
  editedSinceDrop_ += std::abs(lengthAfter - lengthBefore_) + 2 * selectionBefore_ + 1;
  if (editedSinceDrop_ >= kUndoLimit) DropUndoHistory();
}

void TextBox::DropUndoHistory() {
  const int cursor = cursorPosition();
  setText(text());
  setCursorPosition(cursor);
  editedSinceDrop_ = 0;
}

}  // namespace welvaro::ui
