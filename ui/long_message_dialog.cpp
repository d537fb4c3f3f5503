#include "long_message_dialog.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTextEdit>
#include <algorithm>
#include <cmath>

#include "message_copy.h"
#include "texts.h"

namespace welvaro::ui {
namespace {

QSize ScreenSize(const QWidget* parent) {
  const QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
  return screen->availableGeometry().size();
}

/// The width up to which Qt's message box keeps its text on one line.
int MessageWidth(const QWidget* parent) { return std::min(ScreenSize(parent).width() / 2, 500); }

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

}  // namespace

bool FitsMessageBox(const QString& text, const QWidget* parent) {
  const QFontMetrics metrics(QApplication::font("QMessageBox"));
  const int limit = MessageWidth(parent);
  const QStringList words = text.split(u' ', Qt::SkipEmptyParts);
  return std::ranges::all_of(
      words, [&](const QString& word) { return metrics.horizontalAdvance(word) <= limit; });
}

void ShowLongMessage(const QString& text, MessageIcon icon, QWidget* parent) {
  QDialog dialog(parent);
  dialog.setWindowTitle(texts::window::kApplicationTitle.toString());
  auto* layout = new QGridLayout(&dialog);
  if (icon == MessageIcon::Warning) {
    auto* iconLabel = new QLabel;
    const int size = dialog.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &dialog);
    iconLabel->setPixmap(
        dialog.style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, &dialog).pixmap(size));
    layout->addWidget(iconLabel, 0, 0, Qt::AlignTop);
  }
  QTextEdit* view = MessageView(text, MessageWidth(parent), ScreenSize(parent).height() / 2);
  layout->addWidget(view, 0, 1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  layout->addWidget(buttons, 1, 0, 1, 2);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  CopyMessageOnCtrlC(dialog, text, [view] { return view->textCursor().selectedText(); });
  buttons->button(QDialogButtonBox::Ok)->setFocus();
  dialog.exec();
}

}  // namespace welvaro::ui
