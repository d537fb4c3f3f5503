#pragma once

class QFont;
class QLineEdit;
class QWidget;

namespace welvaro::ui {

/// A text box of the window, in `font` from the moment it is built.
[[nodiscard]] QLineEdit* NewTextBox(const QFont& font, QWidget* parent);

}  // namespace welvaro::ui
