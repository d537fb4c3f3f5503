#include "qt_dialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "application.h"

namespace welvaro::testing {

// The real dialogs, answered by a timer that acts on the modal one. Runs in
// a locale other than German: the buttons must be German all the same.
class QtDialogsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { ui::SetUpApplication(*qApp); }
  void MessageBox_data();
  void MessageBox();
  void CopiesAMessage_data();
  void CopiesAMessage();
  void ShowsALongMessageWhole_data();
  void ShowsALongMessageWhole();
  void AskText_data();
  void AskText();
  void BelongToTheWindow_data();
  void BelongToTheWindow();
  void AsksForTextOfAnyLength();
  void LongOnlyWhereAWordIsCutOff_data();
  void LongOnlyWhereAWordIsCutOff();
};

namespace {

/// Runs an action on the modal dialog as soon as it is shown.
void OnModalDialog(const std::function<void(QWidget*)>& action) {
  QTimer::singleShot(0, qApp, [action] {
    QWidget* dialog = QApplication::activeModalWidget();
    QVERIFY(dialog != nullptr);
    action(dialog);
  });
}

QStringList ButtonTexts(QWidget* dialog) {
  QStringList texts;
  for (const QAbstractButton* button : dialog->findChild<QDialogButtonBox*>()->buttons()) {
    texts << button->text().remove('&');
  }
  texts.sort();
  return texts;
}

/// What Ctrl+C on the open dialog leaves on the clipboard.
QString CopiedByCtrlC(QWidget* dialog) {
  QGuiApplication::clipboard()->setText(QStringLiteral("not copied"));
  dialog->activateWindow();
  if (!QTest::qWaitForWindowActive(dialog)) return QStringLiteral("not active");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
  return QGuiApplication::clipboard()->text();
}

QLabel* LabelShowing(QWidget* dialog, const QString& text) {
  for (QLabel* label : dialog->findChildren<QLabel*>()) {
    if (label->text() == text) return label;
  }
  return nullptr;
}

/// A resonance message with a result of 309 digits.
QString LongResult() { return "Die Resonanzfrequenz beträgt: " + QString(309, u'9') + ".000 kHz"; }

}  // namespace

void QtDialogsTest::MessageBox_data() {
  QTest::addColumn<ui::MessageIcon>("icon");
  QTest::addColumn<QMessageBox::Icon>("shownIcon");
  QTest::newRow("warning") << ui::MessageIcon::Warning << QMessageBox::Warning;
  QTest::newRow("result") << ui::MessageIcon::None << QMessageBox::NoIcon;
}

void QtDialogsTest::MessageBox() {
  QFETCH(ui::MessageIcon, icon);
  QFETCH(QMessageBox::Icon, shownIcon);
  QString title;
  QString text;
  QMessageBox::Icon seenIcon = QMessageBox::Information;
  QStringList buttons;
  OnModalDialog([&](QWidget* dialog) {
    auto* box = qobject_cast<QMessageBox*>(dialog);
    title = box->windowTitle();
    text = box->text();
    seenIcon = box->icon();
    buttons = ButtonTexts(box);
    box->button(QMessageBox::Ok)->click();
  });
  ui::QtDialogs().ShowMessage("Die Resonanzfrequenz beträgt: 0.000 kHz", icon);
  QCOMPARE(title, QString("Welvaro"));
  QCOMPARE(text, QString("Die Resonanzfrequenz beträgt: 0.000 kHz"));
  QCOMPARE(seenIcon, shownIcon);
  QCOMPARE(buttons, QStringList{"OK"});
}

void QtDialogsTest::CopiesAMessage_data() {
  QTest::addColumn<QString>("message");
  QTest::addColumn<int>("selectionStart");  // -1: nothing selected
  QTest::addColumn<QString>("copied");

  const QString result = "Die Resonanzfrequenz beträgt: 5032.921 kHz";
  QTest::newRow("whole result") << result << -1 << result;
  QTest::newRow("selected number") << result << 30 << "5032.921 kHz";
  QTest::newRow("whole long result") << LongResult() << -1 << LongResult();
  QTest::newRow("selected long number") << LongResult() << 30 << LongResult().mid(30);
}

// Ctrl+C copies the selection, or else the whole message, exactly as shown.
void QtDialogsTest::CopiesAMessage() {
  QFETCH(QString, message);
  QFETCH(int, selectionStart);
  QFETCH(QString, copied);
  QString seen;
  OnModalDialog([&](QWidget* dialog) {
    if (selectionStart >= 0) {
      if (QLabel* label = LabelShowing(dialog, message)) {
        QVERIFY(label->textInteractionFlags().testFlag(Qt::TextSelectableByKeyboard));
        label->setSelection(selectionStart, static_cast<int>(message.size()) - selectionStart);
      } else {
        auto* view = dialog->findChild<QTextEdit*>();
        QTextCursor cursor = view->textCursor();
        cursor.setPosition(selectionStart);
        cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        view->setTextCursor(cursor);
      }
    }
    seen = CopiedByCtrlC(dialog);
    qobject_cast<QDialog*>(dialog)->accept();
  });
  ui::QtDialogs().ShowMessage(message, ui::MessageIcon::None);
  QCOMPARE(seen, copied);
}

void QtDialogsTest::ShowsALongMessageWhole_data() {
  QTest::addColumn<ui::MessageIcon>("icon");
  QTest::newRow("result") << ui::MessageIcon::None;
  QTest::newRow("warning") << ui::MessageIcon::Warning;
}

// Qt's message box would cut the number off at its right edge.
void QtDialogsTest::ShowsALongMessageWhole() {
  QFETCH(ui::MessageIcon, icon);
  QString title;
  QString shown;
  QStringList buttons;
  bool iconShown = false;
  bool inside = false;
  OnModalDialog([&](QWidget* dialog) {
    title = dialog->windowTitle();
    buttons = ButtonTexts(dialog);
    auto* view = dialog->findChild<QTextEdit*>();
    shown = view->toPlainText();
    iconShown = dialog->findChildren<QLabel*>().size() == 1;
    const int textHeight = static_cast<int>(view->document()->size().height());
    inside = dialog->frameGeometry().right() <= dialog->screen()->availableGeometry().right() &&
             view->document()->idealWidth() <= view->viewport()->width() &&
             (textHeight <= view->viewport()->height() || view->verticalScrollBar()->isVisible());
    dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
  });
  ui::QtDialogs().ShowMessage(LongResult(), icon);
  QCOMPARE(title, QString("Welvaro"));
  QCOMPARE(shown, LongResult());
  QCOMPARE(buttons, QStringList{"OK"});
  QCOMPARE(iconShown, icon == ui::MessageIcon::Warning);
  QVERIFY(inside);
}

void QtDialogsTest::AskText_data() {
  QTest::addColumn<bool>("accept");
  QTest::newRow("OK") << true;
  QTest::newRow("Abbrechen") << false;
}

void QtDialogsTest::AskText() {
  QFETCH(bool, accept);
  QString title;
  QString prompt;
  QString initial = "not read";
  QStringList buttons;
  OnModalDialog([&](QWidget* dialog) {
    auto* input = qobject_cast<QInputDialog*>(dialog);
    title = input->windowTitle();
    prompt = input->labelText();
    initial = input->textValue();
    buttons = ButtonTexts(input);
    input->setTextValue("7,1");
    if (accept) {
      input->accept();
    } else {
      input->reject();
    }
  });
  const std::optional<QString> answer =
      ui::QtDialogs().AskText("Bitte gib die Anzahl der Windungen ein:");
  QCOMPARE(title, QString("Welvaro"));
  QCOMPARE(prompt, QString("Bitte gib die Anzahl der Windungen ein:"));
  QVERIFY(initial.isEmpty());
  QCOMPARE(buttons, (QStringList{"Abbrechen", "OK"}));
  QCOMPARE(answer.has_value(), accept);
  if (accept) QCOMPARE(*answer, QString("7,1"));
}

void QtDialogsTest::BelongToTheWindow_data() {
  QTest::addColumn<bool>("prompt");
  QTest::newRow("prompt dialog") << true;
  QTest::newRow("message box") << false;
}

void QtDialogsTest::BelongToTheWindow() {
  QFETCH(bool, prompt);
  // Another window is active: the dialogs still belong to theirs.
  QWidget window;
  window.setGeometry(40, 60, 600, 400);
  window.show();
  QWidget other;
  other.setGeometry(500, 500, 100, 100);
  other.show();
  other.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&other));
  QWidget* parent = nullptr;
  QPoint centre;
  OnModalDialog([&](QWidget* dialog) {
    parent = dialog->parentWidget();
    centre = dialog->frameGeometry().center();
    dialog->close();
  });
  ui::QtDialogs dialogs;
  dialogs.BelongTo(&window);
  if (prompt) {
    dialogs.AskText("Bitte gib die Anzahl der Windungen ein:");
  } else {
    dialogs.ShowMessage("Die Resonanzfrequenz beträgt: 0.000 kHz", ui::MessageIcon::None);
  }
  QCOMPARE(parent, &window);
  const QPoint offset = centre - window.frameGeometry().center();
  QVERIFY2(offset.manhattanLength() <= 4,
           qPrintable(QString("%1,%2").arg(offset.x()).arg(offset.y())));
}

void QtDialogsTest::AsksForTextOfAnyLength() {
  const QString entry = QString(39997, u'0') + "7.1";
  OnModalDialog([&](QWidget* dialog) {
    auto* field = dialog->findChild<QLineEdit*>();
    QTest::keyClick(field, Qt::Key_Home);
    QGuiApplication::clipboard()->setText(entry);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    qobject_cast<QDialog*>(dialog)->accept();
  });
  const std::optional<QString> answer =
      ui::QtDialogs().AskText("Bitte gib die Anzahl der Windungen ein:");
  QVERIFY(answer.has_value());
  QCOMPARE(answer->size(), entry.size());
  QCOMPARE(*answer, entry);
}

void QtDialogsTest::LongOnlyWhereAWordIsCutOff_data() {
  QTest::addColumn<QString>("message");
  QTest::addColumn<bool>("messageBox");
  const QString start = "Die Resonanzfrequenz beträgt: ";
  QTest::newRow("a result") << start + "5032.921 kHz" << true;
  QTest::newRow("many short words wrap") << start + QString("123 ").repeated(200) << true;
  QTest::newRow("a number of 40 digits") << start + QString(40, u'9') << true;
  QTest::newRow("a number of 309 digits") << LongResult() << false;
}

// Qt's message box wherever it shows the text whole.
void QtDialogsTest::LongOnlyWhereAWordIsCutOff() {
  QFETCH(QString, message);
  QFETCH(bool, messageBox);
  bool shownInMessageBox = false;
  OnModalDialog([&](QWidget* dialog) {
    shownInMessageBox = qobject_cast<QMessageBox*>(dialog) != nullptr;
    qobject_cast<QDialog*>(dialog)->accept();
  });
  ui::QtDialogs().ShowMessage(message, ui::MessageIcon::Warning);
  QCOMPARE(shownInMessageBox, messageBox);
}

}  // namespace welvaro::testing

QTEST_MAIN(welvaro::testing::QtDialogsTest)
#include "qt_dialogs_test.moc"
