#pragma once

#include <QAccessible>
#include <QStringView>

namespace welvaro::ui {

/// A piece of a text, from its first character up to, not including, `end`.
struct TextUnit {
  int start = 0;
  int end = 0;

  friend bool operator==(const TextUnit&, const TextUnit&) = default;
};

/// The character, word or sentence of a single-line text that holds the
/// character at `offset`; a line or a paragraph is the whole text up to 4,000
/// characters, and a piece of about that length, starting with a word, in a
/// longer one; no boundary is the whole text. At the end of the text a
/// character is empty and every other unit is the last one, as a screen reader
/// asks for the word before the cursor there. Only the 2,000 characters either
/// side of `offset` are looked at: a longer unit ends there. `offset` lies in 0
/// to the text's length.
[[nodiscard]] TextUnit UnitAt(QStringView text, int offset, QAccessible::TextBoundaryType boundary);

/// The unit before the one at `offset`, or an empty one at the start.
[[nodiscard]] TextUnit UnitBefore(QStringView text, int offset,
                                  QAccessible::TextBoundaryType boundary);

/// The unit after the one at `offset`, or an empty one at the end.
[[nodiscard]] TextUnit UnitAfter(QStringView text, int offset,
                                 QAccessible::TextBoundaryType boundary);

}  // namespace welvaro::ui
