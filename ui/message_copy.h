#pragma once

#include <QString>
#include <functional>

class QDialog;

namespace welvaro::ui {

/// Ctrl+C in a message dialog copies the part of the message the user has
/// selected, or the whole message when nothing is selected: exactly the text
/// shown, nothing added.
void CopyMessageOnCtrlC(QDialog& dialog, const QString& message,
                        std::function<QString()> selectedPart);

}  // namespace welvaro::ui
