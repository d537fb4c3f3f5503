#include "qt_dialogs.h"

#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTextEdit>
#include <QVersionNumber>
#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <utility>

#include "long_text_edit.h"
#include "texts.h"

namespace welvaro::ui {
namespace {

QString Title() { return texts::window::kApplicationTitle.toString(); }

QRect AvailableArea(const QWidget* owner) {
  const QScreen* screen = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
  return screen->availableGeometry();
}

/// A message box as the program shows it, its text selectable.
class MessageBox {
 public:
  MessageBox(const QString& text, MessageIcon icon, QWidget* owner)
      : box_(icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon, Title(),
             text, QMessageBox::Ok, owner) {
    box_.setTextFormat(Qt::PlainText);
    box_.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // Orca 43 and 48 read a message box's text from its label on Qt 6.4 and
    // 6.8; on Qt 6.11 Orca 51 says only the title and the OK button, and reads
    // the text where it is given as a description: of an alert (a warning),
    // and of the focused button in a dialog without an icon. Given on the
    // older versions too, the text would be said twice.
    if (QLibraryInfo::version() >= QVersionNumber(6, 9)) {
      QWidget* described = icon == MessageIcon::Warning
                               ? &box_
                               : static_cast<QWidget*>(box_.button(QMessageBox::Ok));
      described->setAccessibleDescription(text);
    }
  }

  QMessageBox& Box() { return box_; }

  /// The label that shows the message, known by its text.
  [[nodiscard]] const QLabel* TextLabel() const {
    const QList<QLabel*> labels = box_.findChildren<QLabel*>();
    const auto shown = std::ranges::find_if(
        labels, [this](const QLabel* label) { return label->text() == box_.text(); });
    return shown != labels.end() ? *shown : nullptr;
  }

 private:
  QMessageBox box_;
};

/// The width Qt's message box gives a message's text, and whether it shows
/// every word whole: it wraps only between words and cuts off a word wider
/// than the text, such as a result of 300 digits.
struct MessageFit {
  int textWidth = 0;
  bool whole = true;
};

// Qt sizes a message box by rules of its own as it shows it, and no public
// interface tells the result beforehand (Qt 6.4 to 6.8): a box "shown" off the
// screen is measured.
MessageFit MeasureMessageBox(const QString& text, MessageIcon icon, QWidget* owner) {
  MessageBox probe(text, icon, owner);
  probe.Box().setModal(false);
  probe.Box().setAttribute(Qt::WA_DontShowOnScreen);
  probe.Box().show();
  const QLabel* label = probe.TextLabel();
  if (label == nullptr) return {};
  const int width = label->contentsRect().width();
  const QFontMetrics metrics(label->font());
  const QStringList words = text.split(u' ', Qt::SkipEmptyParts);
  return {width, probe.Box().width() <= AvailableArea(owner).width() &&
                     std::ranges::all_of(words, [&](const QString& word) {
                       return metrics.horizontalAdvance(word) <= width;
                     })};
}

/// Ctrl+C copies the part of the message the user has selected, or the whole
/// message when nothing is selected: exactly the text shown, nothing added.
// The dialog, as the shortcut's Qt parent, deletes it; clang's analyzer does
// not know Qt's ownership.
// NOLINTBEGIN(clang-analyzer-cplusplus.NewDeleteLeaks)
void CopyMessageOnCtrlC(QDialog& dialog, const QString& message,
                        std::function<QString()> selectedPart) {
  auto* copy = new QShortcut(QKeySequence::Copy, &dialog);
  QObject::connect(copy, &QShortcut::activated, &dialog,
                   [message, selectedPart = std::move(selectedPart)] {
                     const QString part = selectedPart();
                     QGuiApplication::clipboard()->setText(part.isEmpty() ? message : part);
                   });
}
// NOLINTEND(clang-analyzer-cplusplus.NewDeleteLeaks)

QTextEdit* MessageView(const QString& text, int width, int maxHeight) {
  auto* view = new QTextEdit;
  view->setPlainText(text);
  view->setReadOnly(true);
  view->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  view->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  view->setFrameShape(QFrame::NoFrame);
  view->viewport()->setAutoFillBackground(false);
  view->setFixedWidth(width);
  view->document()->setTextWidth(width);
  const int height = static_cast<int>(std::ceil(view->document()->size().height()));
  view->setFixedHeight(std::min(height, maxHeight));
  return view;
}

/// A message too long for a message box, titled and with an OK button like
/// one: the text wraps inside long numbers too, scrolls when it is taller than
/// half the screen, and can be selected and copied.
void ShowLongMessage(const QString& text, MessageIcon icon, int textWidth, QWidget* owner) {
  QDialog dialog(owner);
  dialog.setWindowTitle(Title());
  auto* layout = new QGridLayout(&dialog);
  if (icon == MessageIcon::Warning) {
    auto* iconLabel = new QLabel;
    const int size = dialog.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &dialog);
    iconLabel->setPixmap(
        dialog.style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, &dialog).pixmap(size));
    layout->addWidget(iconLabel, 0, 0, Qt::AlignTop);
  }
  QTextEdit* view = MessageView(text, textWidth, AvailableArea(owner).height() / 2);
  layout->addWidget(view, 0, 1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  layout->addWidget(buttons, 1, 0, 1, 2);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  CopyMessageOnCtrlC(dialog, text, [view] { return view->textCursor().selectedText(); });
  // A screen reader reads a dialog's labels as it opens, but not a text box
  // that lacks the focus: Orca 43 said only the title and the button. Given as
  // the description of the focused button, the text is read with it.
  QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
  ok->setAccessibleDescription(text);
  ok->setFocus();
  dialog.exec();
}

}  // namespace

void QtDialogs::ShowMessage(const QString& text, MessageIcon icon) {
  const MessageFit fit = MeasureMessageBox(text, icon, owner_);
  if (!fit.whole) {
    ShowLongMessage(text, icon, fit.textWidth, owner_);
    return;
  }
  MessageBox message(text, icon, owner_);
  const QLabel* label = message.TextLabel();
  CopyMessageOnCtrlC(message.Box(), text,
                     [label] { return label != nullptr ? label->selectedText() : QString(); });
  message.Box().exec();
}

std::optional<QString> QtDialogs::AskText(const QString& prompt) {
  QInputDialog dialog(owner_);
  dialog.setWindowTitle(Title());
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setLabelText(prompt);
  dialog.setTextValue(QString());
  auto* field = dialog.findChild<QLineEdit*>();
  field->setMaxLength(std::numeric_limits<int>::max());
  KeepLongTextLight(*field);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.textValue();
}

}  // namespace welvaro::ui
