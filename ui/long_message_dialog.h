#pragma once

#include <QString>

#include "dialogs.h"

class QWidget;

namespace welvaro::ui {

/// Whether Qt's message box shows the text whole on the parent's screen. It
/// wraps only between words and cuts off a word wider than itself, such as a
/// result of 300 digits.
[[nodiscard]] bool FitsMessageBox(const QString& text, const QWidget* parent);

/// Shows a message too long for a message box, titled and with an OK button
/// like one: the text wraps inside long numbers too, scrolls when it is
/// taller than half the screen, and can be selected and copied.
void ShowLongMessage(const QString& text, MessageIcon icon, QWidget* parent);

}  // namespace welvaro::ui
