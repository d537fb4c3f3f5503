#include "text_units.h"

#include <QTextBoundaryFinder>
#include <optional>

namespace welvaro::ui {
namespace {

std::optional<QTextBoundaryFinder::BoundaryType> FinderType(
    QAccessible::TextBoundaryType boundary) {
  switch (boundary) {
    case QAccessible::CharBoundary:
      return QTextBoundaryFinder::Grapheme;
    case QAccessible::WordBoundary:
      return QTextBoundaryFinder::Word;
    case QAccessible::SentenceBoundary:
      return QTextBoundaryFinder::Sentence;
    case QAccessible::ParagraphBoundary:
    case QAccessible::LineBoundary:
    case QAccessible::NoBoundary:
      break;
  }
  return std::nullopt;
}

}  // namespace

TextUnit UnitAt(QStringView text, int offset, QAccessible::TextBoundaryType boundary) {
  const int length = static_cast<int>(text.size());
  const std::optional<QTextBoundaryFinder::BoundaryType> type = FinderType(boundary);
  if (!type) return {0, length};
  if (offset >= length) {
    if (boundary == QAccessible::CharBoundary || length == 0) return {length, length};
    offset = length - 1;
  }
  QTextBoundaryFinder finder(*type, text.data(), text.size());
  finder.setPosition(offset);
  const int start = finder.isAtBoundary() ? offset : static_cast<int>(finder.toPreviousBoundary());
  finder.setPosition(offset);
  const auto end = static_cast<int>(finder.toNextBoundary());
  return {start < 0 ? 0 : start, end < 0 ? length : end};
}

TextUnit UnitBefore(QStringView text, int offset, QAccessible::TextBoundaryType boundary) {
  const TextUnit at = UnitAt(text, offset, boundary);
  if (at.start == 0) return {0, 0};
  return UnitAt(text, at.start - 1, boundary);
}

TextUnit UnitAfter(QStringView text, int offset, QAccessible::TextBoundaryType boundary) {
  const int length = static_cast<int>(text.size());
  const TextUnit at = UnitAt(text, offset, boundary);
  if (at.end >= length) return {length, length};
  return UnitAt(text, at.end, boundary);
}

}  // namespace welvaro::ui
