#include "text_units.h"

#include <QTextBoundaryFinder>
#include <algorithm>
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

// A finder classifies every character it is given as it is made: given a
// pasted text of megabytes, each query of a screen reader would take a
// noticeable time. It is given the text within this reach of the offset; a
// longer unit, which nobody listens to whole, ends at the reach.
constexpr int kReach = 2'000;

// A surrogate pair stays whole at either end of the reach.
int WithoutSplittingPair(QStringView text, int at) {
  const bool splits =
      at > 0 && at < text.size() && text[at].isLowSurrogate() && text[at - 1].isHighSurrogate();
  return splits ? at - 1 : at;
}

// A screen reader fetches the line at the cursor after every key, and Orca
// builds its braille line from it: a line of megabytes kept both busy for a
// second a key. A longer text is given in lines of about this length, each
// beginning at the start of a word.
constexpr int kLineLength = 2 * kReach;

int LineStart(QStringView text, int line) {
  const int near = line * kLineLength;
  if (near >= text.size()) return static_cast<int>(text.size());
  return line == 0 ? 0 : UnitAt(text, near, QAccessible::WordBoundary).start;
}

// A line starts no more than the reach before its multiple of the length, so
// the line holding `offset` is the one its multiple names, or the next.
TextUnit LineAt(QStringView text, int offset) {
  int line = offset / kLineLength;
  if (offset >= LineStart(text, line + 1)) ++line;
  return {LineStart(text, line), LineStart(text, line + 1)};
}

}  // namespace

TextUnit UnitAt(QStringView text, int offset, QAccessible::TextBoundaryType boundary) {
  const int length = static_cast<int>(text.size());
  const bool line =
      boundary == QAccessible::LineBoundary || boundary == QAccessible::ParagraphBoundary;
  if (line && length > kLineLength) return LineAt(text, std::min(offset, length - 1));
  const std::optional<QTextBoundaryFinder::BoundaryType> type = FinderType(boundary);
  if (!type) return {0, length};
  if (offset >= length) {
    if (boundary == QAccessible::CharBoundary || length == 0) return {length, length};
    offset = length - 1;
  }
  const int from = WithoutSplittingPair(text, std::max(0, offset - kReach));
  const int to = WithoutSplittingPair(text, std::min(length, offset + kReach));
  QTextBoundaryFinder finder(*type, text.data() + from, to - from);
  const int at = offset - from;
  finder.setPosition(at);
  const int start = finder.isAtBoundary() ? at : static_cast<int>(finder.toPreviousBoundary());
  finder.setPosition(at);
  const auto end = static_cast<int>(finder.toNextBoundary());
  return {from + (start < 0 ? 0 : start), end < 0 ? to : from + end};
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
