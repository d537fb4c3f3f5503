#include "qt_dialogs.h"

#include <QInputDialog>
#include <QMessageBox>

#include "texts.h"

namespace welvaro::ui {

void QtDialogs::ShowMessage(const QString& text, MessageIcon icon) {
  QMessageBox box(icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon,
                  texts::window::kApplicationTitle.toString(), text, QMessageBox::Ok, owner_);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

std::optional<QString> QtDialogs::AskText(const QString& prompt) {
  QInputDialog dialog(owner_);
  dialog.setWindowTitle(texts::window::kApplicationTitle.toString());
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setLabelText(prompt);
  dialog.setTextValue(QString());
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.textValue();
}

}  // namespace welvaro::ui
