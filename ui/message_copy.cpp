#include "message_copy.h"

#include <QClipboard>
#include <QDialog>
#include <QGuiApplication>
#include <QShortcut>
#include <utility>

namespace welvaro::ui {

void CopyMessageOnCtrlC(QDialog& dialog, const QString& message,
                        std::function<QString()> selectedPart) {
  auto* copy = new QShortcut(QKeySequence::Copy, &dialog);
  QObject::connect(copy, &QShortcut::activated, &dialog,
                   [message, selectedPart = std::move(selectedPart)] {
                     const QString part = selectedPart();
                     QGuiApplication::clipboard()->setText(part.isEmpty() ? message : part);
                   });
}

}  // namespace welvaro::ui
