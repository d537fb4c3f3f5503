#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "form1.h"
#include "scripted_dialogs.h"
#include "test_notations.h"

namespace welvaro::testing {

// Each row fills text boxes ("Name=text"), clicks one button and expects the
// eight boxes afterwards and the dialogs shown. Result boxes start with "alt",
// so that a box left alone is told apart from one written.
class TextBoxActionsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void Calculates_data();
  void Calculates();
  void ShowsAResultFromItsStart_data();
  void ShowsAResultFromItsStart();
};

namespace {
const QStringList kBoxes = {"TextFreq", "TextFreq2", "TextWelang", "TextWelang2",
                            "TextMHz",  "TextDraht", "TextDipol1", "TextDipol2"};
const QStringList kResultBoxes = {"TextFreq2", "TextWelang2", "TextDipol1", "TextDipol2"};
const QString kNotComputable =
    "warning: Mit diesen Werten ist die Berechnung nicht möglich. Bitte gib andere Werte ein.";
const QString kFrequencyWarning = "warning: Bitte gib eine gültige Frequenz in Megahertz ein.";
const QString kWavelengthWarning = "warning: Bitte gib eine gültige Wellenlänge in Meter ein.";
const QString kDipoleWarning =
    "warning: Bitte gib gültige Zahlenwerte für Frequenz und Drahtdicke ein.";
}  // namespace

void TextBoxActionsTest::Calculates_data() {
  QTest::addColumn<QString>("notation");
  QTest::addColumn<QStringList>("inputs");
  QTest::addColumn<QString>("button");
  QTest::addColumn<QStringList>("results");  // "Name=text" of the boxes that change
  QTest::addColumn<QStringList>("shown");

  QTest::newRow("wavelength") << "point" << QStringList{"TextFreq=7.1"} << "CommandFreq"
                              << QStringList{"TextFreq2=42.25 m"} << QStringList{};
  QTest::newRow("wavelength comma") << "comma" << QStringList{"TextFreq=7,1"} << "CommandFreq"
                                    << QStringList{"TextFreq2=42,25 m"} << QStringList{};
  QTest::newRow("point in a comma region")
      << "comma" << QStringList{"TextFreq=7.1"} << "CommandFreq" << QStringList{}
      << QStringList{kFrequencyWarning};
  // Pasted from a spreadsheet cell or a web page, with the line break it ends in.
  const QList<QPair<QString, QString>> lineBreaks = {{"CR LF", "\r\n"}, {"LF", "\n"}, {"CR", "\r"}};
  for (const auto& [name, lineBreak] : lineBreaks) {
    QTest::newRow(qPrintable("pasted with " + name))
        << "point" << QStringList{"TextFreq=7.1" + lineBreak} << "CommandFreq"
        << QStringList{"TextFreq2=42.25 m"} << QStringList{};
    QTest::newRow(qPrintable("pasted with " + name + " comma"))
        << "comma" << QStringList{"TextFreq=7,1" + lineBreak} << "CommandFreq"
        << QStringList{"TextFreq2=42,25 m"} << QStringList{};
  }
  QTest::newRow("negative frequency") << "point" << QStringList{"TextFreq=-7.1"} << "CommandFreq"
                                      << QStringList{"TextFreq2=-42.25 m"} << QStringList{};
  QTest::newRow("empty frequency") << "point" << QStringList{} << "CommandFreq" << QStringList{}
                                   << QStringList{kFrequencyWarning};
  QTest::newRow("zero frequency") << "point" << QStringList{"TextFreq=0"} << "CommandFreq"
                                  << QStringList{} << QStringList{kNotComputable};
  QTest::newRow("frequency") << "point" << QStringList{"TextWelang=40"} << "CommandWelang"
                             << QStringList{"TextWelang2=7.50 MHz"} << QStringList{};
  QTest::newRow("frequency comma") << "comma" << QStringList{"TextWelang=42,25"} << "CommandWelang"
                                   << QStringList{"TextWelang2=7,10 MHz"} << QStringList{};
  QTest::newRow("wavelength letters") << "point" << QStringList{"TextWelang=abc"} << "CommandWelang"
                                      << QStringList{} << QStringList{kWavelengthWarning};
  QTest::newRow("zero wavelength") << "point" << QStringList{"TextWelang=0"} << "CommandWelang"
                                   << QStringList{} << QStringList{kNotComputable};
  QTest::newRow("dipole 40 m") << "point" << QStringList{"TextMHz=7.1", "TextDraht=2"}
                               << "CommandCalc"
                               << QStringList{"TextDipol1=21.127 m", "TextDipol2=21.125 m"}
                               << QStringList{};
  QTest::newRow("dipole 2 m") << "point" << QStringList{"TextMHz=145", "TextDraht=1.5"}
                              << "CommandCalc"
                              << QStringList{"TextDipol1=1.034 m", "TextDipol2=1.033 m"}
                              << QStringList{};
  QTest::newRow("dipole comma") << "comma" << QStringList{"TextMHz=7,1", "TextDraht=2"}
                                << "CommandCalc"
                                << QStringList{"TextDipol1=21,127 m", "TextDipol2=21,125 m"}
                                << QStringList{};
  QTest::newRow("dipole thin wire")
      << "point" << QStringList{"TextMHz=7.1", "TextDraht=0"} << "CommandCalc"
      << QStringList{"TextDipol1=21.127 m", "TextDipol2=21.127 m"} << QStringList{};
  QTest::newRow("dipole without wire") << "point" << QStringList{"TextMHz=7.1"} << "CommandCalc"
                                       << QStringList{} << QStringList{kDipoleWarning};
  QTest::newRow("dipole without frequency")
      << "point" << QStringList{"TextDraht=2"} << "CommandCalc" << QStringList{}
      << QStringList{kDipoleWarning};
  QTest::newRow("dipole both bad") << "point" << QStringList{"TextMHz=x", "TextDraht=y"}
                                   << "CommandCalc" << QStringList{} << QStringList{kDipoleWarning};
  QTest::newRow("dipole wire cancels length")
      << "point" << QStringList{"TextMHz=150", "TextDraht=-1000"} << "CommandCalc" << QStringList{}
      << QStringList{kNotComputable};
  // 39997 leading zeros: cut at 32767 characters, the text would read 0.
  QTest::newRow("40000 characters")
      << "point" << QStringList{"TextFreq=" + QString(39997, u'0') + "7.1"} << "CommandFreq"
      << QStringList{"TextFreq2=42.25 m"} << QStringList{};
  QTest::newRow("dipole zero frequency")
      << "point" << QStringList{"TextMHz=0", "TextDraht=2"} << "CommandCalc" << QStringList{}
      << QStringList{kNotComputable};
}

void TextBoxActionsTest::Calculates() {
  QFETCH(QString, notation);
  QFETCH(QStringList, inputs);
  QFETCH(QString, button);
  QFETCH(QStringList, results);
  QFETCH(QStringList, shown);

  ScriptedDialogs dialogs;
  ui::Form1 form(dialogs, NotationNamed(notation));
  QMap<QString, QString> expected;
  for (const QString& box : kResultBoxes) expected[box] = "alt";
  for (const QString& input : inputs) expected[input.section('=', 0, 0)] = input.section('=', 1);
  for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
    form.findChild<QLineEdit*>(it.key())->setText(it.value());
  }
  for (const QString& result : results)
    expected[result.section('=', 0, 0)] = result.section('=', 1);

  // Twice: a second press with unchanged inputs writes the same again.
  for (int press = 0; press < 2; ++press) {
    form.findChild<QPushButton*>(button)->click();
    for (const QString& box : kBoxes) {
      QCOMPARE(form.findChild<QLineEdit*>(box)->text(), expected.value(box));
    }
  }
  QStringList shownTwice = shown + shown;
  QCOMPARE(dialogs.Shown(), shownTwice);
}

// A result wider than its box shows its sign and leading digits, however long.
void TextBoxActionsTest::ShowsAResultFromItsStart_data() {
  QTest::addColumn<QString>("input");
  QTest::addColumn<QString>("button");
  QTest::addColumn<QString>("resultBox");
  QTest::addColumn<QString>("resultStart");
  QTest::addColumn<int>("resultLength");

  QTest::newRow("wavelength of 11 digits") << "TextFreq=0.00000001"
                                           << "CommandFreq"
                                           << "TextFreq2"
                                           << "30000000000.00 m" << 16;
  QTest::newRow("wavelength of 303 digits") << "TextFreq=1e-300"
                                            << "CommandFreq"
                                            << "TextFreq2"
                                            << "29999999999999998" << 308;
  QTest::newRow("negative frequency") << "TextWelang=-1e-200"
                                      << "CommandWelang"
                                      << "TextWelang2"
                                      << "-30000000000000001" << 211;
  QTest::newRow("dipole") << "TextMHz=1e-100"
                          << "CommandCalc"
                          << "TextDipol2"
                          << "14999999999999999" << 109;
}

void TextBoxActionsTest::ShowsAResultFromItsStart() {
  QFETCH(QString, input);
  QFETCH(QString, button);
  QFETCH(QString, resultBox);
  QFETCH(QString, resultStart);
  QFETCH(int, resultLength);

  ScriptedDialogs dialogs;
  ui::Form1 form(dialogs, NotationNamed("point"));
  form.findChild<QLineEdit*>(input.section('=', 0, 0))->setText(input.section('=', 1));
  form.findChild<QLineEdit*>("TextDraht")->setText("0");
  form.show();
  form.findChild<QPushButton*>(button)->click();
  auto* box = form.findChild<QLineEdit*>(resultBox);
  box->grab();  // painting scrolls the text to the cursor
  QVERIFY2(box->text().startsWith(resultStart), qPrintable(box->text()));
  QCOMPARE(box->text().size(), resultLength);
  QCOMPARE(box->cursorPosition(), 0);
  const QRect cursor = box->inputMethodQuery(Qt::ImCursorRectangle).toRect();
  QVERIFY2(cursor.left() <= 4, qPrintable(QString::number(cursor.left())));
  QCOMPARE(dialogs.Shown(), QStringList{});
}

}  // namespace welvaro::testing

QTEST_MAIN(welvaro::testing::TextBoxActionsTest)
#include "text_box_actions_test.moc"
