#include "line_edit_accessible.h"

#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QLineEdit>
#include <algorithm>
#include <optional>

#include "text_units.h"

namespace welvaro::ui {
namespace {

/// The advance of `text`, or nothing once it is wider than `limit`. Measured
/// from the start (`fromStart`) or the end, on a piece twice as long each time,
/// so that the work stays near what the limit lets through.
std::optional<int> AdvanceWithin(const QFontMetrics& metrics, QStringView text, bool fromStart,
                                 int limit) {
  for (qsizetype length = 32;; length *= 2) {
    const qsizetype measured = std::min(length, text.size());
    const QStringView piece = fromStart ? text.first(measured) : text.last(measured);
    const int advance = metrics.horizontalAdvance(piece.toString());
    if (advance > limit) return std::nullopt;
    if (measured == text.size()) return advance;
  }
}

/// What Qt's own interface offers of a line edit, on public ground, with the
/// pieces of text found by UnitAt and its neighbours.
class LineEditInterface final : public QAccessibleWidget,
                                public QAccessibleTextInterface,
                                public QAccessibleEditableTextInterface {
 public:
  explicit LineEditInterface(QLineEdit* edit)
      : QAccessibleWidget(edit, QAccessible::EditableText) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface) {
      return static_cast<QAccessibleEditableTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
  }

  [[nodiscard]] QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = Edit()->isReadOnly();
    state.editable = !Edit()->isReadOnly();
    state.selectableText = true;
    return state;
  }

  [[nodiscard]] QString text(QAccessible::Text type) const override {
    if (type == QAccessible::Value) return Edit()->text();
    return QAccessibleWidget::text(type);
  }

  void setText(QAccessible::Text type, const QString& text) override {
    if (type == QAccessible::Value && !Edit()->isReadOnly()) {
      Edit()->setText(text);
      return;
    }
    QAccessibleWidget::setText(type, text);
  }

  // Text.
  void selection(int selectionIndex, int* startOffset, int* endOffset) const override {
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !Edit()->hasSelectedText()) return;
    *startOffset = Edit()->selectionStart();
    *endOffset = Edit()->selectionEnd();
  }
  [[nodiscard]] int selectionCount() const override { return Edit()->hasSelectedText() ? 1 : 0; }
  void addSelection(int startOffset, int endOffset) override {
    setSelection(0, startOffset, endOffset);
  }
  void removeSelection(int selectionIndex) override {
    if (selectionIndex == 0) Edit()->deselect();
  }
  void setSelection(int selectionIndex, int startOffset, int endOffset) override {
    if (selectionIndex == 0) Edit()->setSelection(startOffset, endOffset - startOffset);
  }
  [[nodiscard]] int cursorPosition() const override { return Edit()->cursorPosition(); }
  void setCursorPosition(int position) override { Edit()->setCursorPosition(position); }
  [[nodiscard]] QString text(int startOffset, int endOffset) const override {
    return Edit()->text().mid(startOffset, endOffset - startOffset);
  }
  [[nodiscard]] int characterCount() const override {
    return static_cast<int>(Edit()->text().size());
  }
  [[nodiscard]] QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary,
                                         int* startOffset, int* endOffset) const override {
    return Piece(offset, startOffset, endOffset,
                 [&](QStringView text, int at) { return UnitBefore(text, at, boundary); });
  }
  [[nodiscard]] QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary,
                                     int* startOffset, int* endOffset) const override {
    return Piece(offset, startOffset, endOffset,
                 [&](QStringView text, int at) { return UnitAt(text, at, boundary); });
  }
  [[nodiscard]] QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary,
                                        int* startOffset, int* endOffset) const override {
    return Piece(offset, startOffset, endOffset,
                 [&](QStringView text, int at) { return UnitAfter(text, at, boundary); });
  }
  [[nodiscard]] QRect characterRect(int offset) const override;
  [[nodiscard]] int offsetAtPoint(const QPoint& point) const override {
    return Edit()->cursorPositionAt(Edit()->mapFromGlobal(point));
  }
  void scrollToSubstring(int startIndex, int endIndex) override {
    // Placing the cursor at the far end first brings the whole piece into view.
    Edit()->setCursorPosition(endIndex);
    Edit()->setCursorPosition(startIndex);
  }
  [[nodiscard]] QString attributes(int offset, int* startOffset, int* endOffset) const override {
    // One font and colour for the whole text: one run without attributes.
    static_cast<void>(offset);
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
  }

  // Editable text.
  void deleteText(int startOffset, int endOffset) override {
    replaceText(startOffset, endOffset, {});
  }
  void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
  void replaceText(int startOffset, int endOffset, const QString& text) override {
    if (Edit()->isReadOnly()) return;
    // Through the selection, so that undo takes it back as it would a user's edit.
    Edit()->setSelection(startOffset, endOffset - startOffset);
    Edit()->insert(text);
  }

 private:
  [[nodiscard]] QLineEdit* Edit() const { return static_cast<QLineEdit*>(widget()); }

  /// Qt's conventions for the offset: -2 stands for the cursor, -1 for the
  /// end of the text. Out of range gives nothing, with -1 for both ends.
  template <typename FindUnit>
  QString Piece(int offset, int* startOffset, int* endOffset, FindUnit findUnit) const {
    const QString text = Edit()->text();
    const auto length = static_cast<int>(text.size());
    if (offset == -2) offset = Edit()->cursorPosition();
    if (offset == -1) offset = length;
    if (offset < 0 || offset > length) {
      *startOffset = *endOffset = -1;
      return {};
    }
    const TextUnit unit = findUnit(text, offset);
    *startOffset = unit.start;
    *endOffset = unit.end;
    return text.mid(unit.start, unit.end - unit.start);
  }
};

// The edit tells where its cursor is drawn, and keeps the cursor in view; a
// character's place follows from the advance of the text between the two.
// Only as much of that text is measured as the box is wide: a character
// farther away is out of sight and has no place on the screen, and measuring
// the text before it would lay out megabytes of a pasted text on every query.
QRect LineEditInterface::characterRect(int offset) const {
  const QString text = Edit()->text();
  if (offset < 0 || offset >= text.size()) return {};
  const int cursorPosition = Edit()->cursorPosition();
  const QFontMetrics metrics(Edit()->font());
  const bool afterCursor = offset >= cursorPosition;
  const QStringView between =
      afterCursor ? QStringView(text).sliced(cursorPosition, offset - cursorPosition)
                  : QStringView(text).sliced(offset, cursorPosition - offset);
  const std::optional<int> distance =
      AdvanceWithin(metrics, between, afterCursor, Edit()->contentsRect().width());
  if (!distance) return {};
  const QRect cursor = Edit()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
  const int left = cursor.x() + (afterCursor ? *distance : -*distance);
  const QRect character(left, cursor.y(), metrics.horizontalAdvance(text.mid(offset, 1)),
                        std::max(cursor.height(), metrics.height()));
  return {Edit()->mapToGlobal(character.topLeft()), character.size()};
}

}  // namespace

QAccessibleInterface* AccessibleLineEdit(const QString& className, QObject* object) {
  static_cast<void>(className);
  auto* edit = qobject_cast<QLineEdit*>(object);
  return edit != nullptr ? new LineEditInterface(edit) : nullptr;
}

}  // namespace welvaro::ui
