#include "qt_dialogs.h"

#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <limits>

#include "long_message_dialog.h"
#include "message_copy.h"
#include "texts.h"

namespace welvaro::ui {

void QtDialogs::ShowMessage(const QString& text, MessageIcon icon) {
  if (!FitsMessageBox(text, owner_)) {
    ShowLongMessage(text, icon, owner_);
    return;
  }
  QMessageBox box(icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon,
                  texts::window::kApplicationTitle.toString(), text, QMessageBox::Ok, owner_);
  box.setTextFormat(Qt::PlainText);
  box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  const auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
  CopyMessageOnCtrlC(box, text, [label] { return label->selectedText(); });
  box.exec();
}

std::optional<QString> QtDialogs::AskText(const QString& prompt) {
  QInputDialog dialog(owner_);
  dialog.setWindowTitle(texts::window::kApplicationTitle.toString());
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setLabelText(prompt);
  dialog.setTextValue(QString());
  dialog.findChild<QLineEdit*>()->setMaxLength(std::numeric_limits<int>::max());
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.textValue();
}

}  // namespace welvaro::ui
