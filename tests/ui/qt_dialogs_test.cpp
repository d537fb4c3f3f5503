#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "application.h"
#include "qt_dialogs.h"

namespace welvaro::testing {

// The real dialogs, answered by a timer that acts on the modal one. Runs in
// a locale other than German: the buttons must be German all the same.
class QtDialogsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { ui::SetUpApplication(*qApp); }
  void MessageBox_data();
  void MessageBox();
  void AskText_data();
  void AskText();
  void BelongToTheWindow_data();
  void BelongToTheWindow();
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
  for (const QAbstractButton* button :
       dialog->findChild<QDialogButtonBox*>()->buttons()) {
    texts << button->text().remove('&');
  }
  texts.sort();
  return texts;
}

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

}  // namespace welvaro::testing

QTEST_MAIN(welvaro::testing::QtDialogsTest)
#include "qt_dialogs_test.moc"
