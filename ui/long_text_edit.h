#pragma once

class QLineEdit;

namespace welvaro::ui {

/// Keeps a line edit that holds a long text quick to answer. Qt 6.4's
/// QLineEdit measures its whole text on every paint, about a quarter of a
/// second for 2 MB, and a screen reader waits for each paint before its
/// questions about a key are answered: the edit paints once per key and no
/// more. Its cursor blinks from pictures of what it painted, and it no longer
/// repaints the cursor, unchanged, as a key is let go.
void KeepLongTextLight(QLineEdit& edit);

}  // namespace welvaro::ui
