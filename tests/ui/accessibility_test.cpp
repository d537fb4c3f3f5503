#include <QAccessible>
#include <QtTest>

#include "accessible_interfaces.h"
#include "form1.h"
#include "scripted_dialogs.h"
#include "test_notations.h"

namespace welvaro::testing {

class AccessibilityTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { ui::InstallAccessibleInterfaces(); }
  void NamesEveryFocusableControl_data();
  void NamesEveryFocusableControl();
  void LabelsAndShapesAreNotFocusable();
};

void AccessibilityTest::NamesEveryFocusableControl_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QAccessible::Role>("role");
  const auto box = QAccessible::EditableText;
  const auto button = QAccessible::Button;
  QTest::newRow("TextFreq") << "Frequenz in MHz" << box;
  QTest::newRow("CommandFreq") << "Wellenlänge" << button;
  QTest::newRow("TextFreq2") << "Wellenlänge, Ergebnis" << box;
  QTest::newRow("TextWelang") << "Wellenlänge in Meter" << box;
  QTest::newRow("CommandWelang") << "Frequenz" << button;
  QTest::newRow("TextWelang2") << "Frequenz, Ergebnis" << box;
  QTest::newRow("TextMHz") << "Dipol: Frequenz in MHz" << box;
  QTest::newRow("TextDraht") << "Drahtdicke in mm" << box;
  QTest::newRow("CommandCalc") << "Berechne" << button;
  QTest::newRow("TextDipol1") << "Gesamtlänge ohne Korrektur, Ergebnis" << box;
  QTest::newRow("TextDipol2") << "Gesamtlänge mit Korrektur, Ergebnis" << box;
  QTest::newRow("CommandSpule") << "Spule berechnen" << button;
  QTest::newRow("CommandDrehko") << "Resonanzfrequenz" << button;
  QTest::newRow("CommandLoopInduk") << "Loop berechnen" << button;
}

void AccessibilityTest::NamesEveryFocusableControl() {
  QFETCH(QString, name);
  QFETCH(QAccessible::Role, role);
  ScriptedDialogs dialogs;
  ui::Form1 form(dialogs, NotationNamed("point"));
  QWidget* control = form.findChild<QWidget*>(QTest::currentDataTag());
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
  QVERIFY(accessible != nullptr);
  QCOMPARE(accessible->role(), role);
  QCOMPARE(accessible->text(QAccessible::Name), name);
  // Orca 43 speaks a linked label in place of the name.
  QVERIFY(accessible->relations(QAccessible::Label).isEmpty());
  QVERIFY(!accessible->text(QAccessible::Description).isEmpty());
  QVERIFY(accessible->state().focusable);
}

void AccessibilityTest::LabelsAndShapesAreNotFocusable() {
  ScriptedDialogs dialogs;
  ui::Form1 form(dialogs, NotationNamed("point"));
  int focusable = 0;
  for (QWidget* control : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    const bool isLabelOrShape = control->objectName().startsWith("Lbl") ||
                                control->objectName().startsWith("Label") ||
                                control->objectName().startsWith("Shape");
    QCOMPARE(bool(accessible->state().focusable), !isLabelOrShape);
    focusable += accessible->state().focusable ? 1 : 0;
  }
  QCOMPARE(focusable, 14);
}

}  // namespace welvaro::testing

QTEST_MAIN(welvaro::testing::AccessibilityTest)
#include "accessibility_test.moc"
