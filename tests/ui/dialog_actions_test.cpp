#include <QPushButton>
#include <QtTest>

#include "form1.h"
#include "scripted_dialogs.h"
#include "test_notations.h"

namespace welvaro::testing {

// Each row answers the prompts of one button (ScriptedDialogs::Cancel() cancels a prompt)
// and expects every dialog shown, in order.
class DialogActionsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void AsksAndShows_data();
  void AsksAndShows();
  void EveryPressStartsFromZero();
};

namespace {
const QString kDiameter = "prompt: Bitte gib den Durchmesser der Luftspule in cm ein:";
const QString kLength = "prompt: Bitte gib die Länge der Luftspule in cm ein:";
const QString kTurns = "prompt: Bitte gib die Anzahl der Windungen ein:";
const QString kInductance = "prompt: Bitte gib die Induktivität der Spule in Mikrohenry (µH) ein:";
const QString kCapacitance =
    "prompt: Bitte gib die Kapazität des (Dreh-)Kondensators in Picofarad (pF) ein:";
const QString kLoop = "prompt: Bitte gib den Durchmesser der Loop-Antenne in Millimetern ein:";
const QString kWire = "prompt: Bitte gib den Drahtdurchmesser der Loop-Antenne in Millimetern ein:";
const QString kNotComputable =
    "warning: Mit diesen Werten ist die Berechnung nicht möglich. Bitte gib andere Werte ein.";

QString CoilResult(const QString& value) {
  return "message: Die Induktivität der Luftspule beträgt " + value + " Mikrohenry.";
}
QString ResonanceResult(const QString& value) {
  return "message: Die Resonanzfrequenz beträgt: " + value + " kHz";
}
QString LoopResult(const QString& value) {
  return "message: Die Induktivität der Loop-Antenne beträgt: " + value + " µH";
}
const QStringList kCoilPrompts = {kDiameter, kLength, kTurns};
const QStringList kResonancePrompts = {kInductance, kCapacitance};
const QStringList kLoopPrompts = {kLoop, kWire};

}  // namespace

void DialogActionsTest::AsksAndShows_data() {
  QTest::addColumn<QString>("notation");
  QTest::addColumn<QString>("button");
  QTest::addColumn<QStringList>("answers");
  QTest::addColumn<QStringList>("shown");

  QTest::newRow("coil") << "point"
                        << "CommandSpule" << QStringList{"5", "10", "20"}
                        << kCoilPrompts + QStringList{CoilResult("9.870")};
  QTest::newRow("coil comma") << "comma"
                              << "CommandSpule" << QStringList{"5", "10", "20"}
                              << kCoilPrompts + QStringList{CoilResult("9,870")};
  QTest::newRow("coil turns rounded") << "point"
                                      << "CommandSpule" << QStringList{"5", "10", "20.4"}
                                      << kCoilPrompts + QStringList{CoilResult("9.870")};
  QTest::newRow("coil negative turns") << "point"
                                       << "CommandSpule" << QStringList{"5", "10", "-20"}
                                       << kCoilPrompts + QStringList{CoilResult("9.870")};
  QTest::newRow("coil cancelled first")
      << "point"
      << "CommandSpule" << QStringList{ScriptedDialogs::Cancel()} << QStringList{kDiameter};
  QTest::newRow("coil cancelled second")
      << "point"
      << "CommandSpule" << QStringList{"5", ScriptedDialogs::Cancel()}
      << QStringList{kDiameter, kLength};
  QTest::newRow("coil cancelled third")
      << "point"
      << "CommandSpule" << QStringList{"5", "10", ScriptedDialogs::Cancel()} << kCoilPrompts;
  QTest::newRow("coil diameter letters")
      << "point"
      << "CommandSpule" << QStringList{"abc"}
      << QStringList{kDiameter,
                     "warning: Bitte gib einen gültigen Durchmesser der Luftspule in cm ein."};
  QTest::newRow("coil diameter comma in point region")
      << "point"
      << "CommandSpule" << QStringList{"2,5"}
      << QStringList{kDiameter,
                     "warning: Bitte gib einen gültigen Durchmesser der Luftspule in cm ein."};
  QTest::newRow("coil length empty")
      << "point"
      << "CommandSpule" << QStringList{"5", ""}
      << QStringList{kDiameter, kLength,
                     "warning: Bitte gib eine gültige Länge der Luftspule in cm ein."};
  const QString turnsWarning =
      "warning: Bitte gib eine gültige Anzahl der Windungen ein (eine ganze Zahl von -32768 bis "
      "32767).";
  QTest::newRow("coil turns out of range") << "point"
                                           << "CommandSpule" << QStringList{"5", "10", "40000"}
                                           << kCoilPrompts + QStringList{turnsWarning};
  QTest::newRow("coil turns letters") << "point"
                                      << "CommandSpule" << QStringList{"5", "10", "zwanzig"}
                                      << kCoilPrompts + QStringList{turnsWarning};
  QTest::newRow("coil length zero") << "point"
                                    << "CommandSpule" << QStringList{"5", "0", "20"}
                                    << kCoilPrompts + QStringList{kNotComputable};

  QTest::newRow("resonance") << "point"
                             << "CommandDrehko" << QStringList{"10", "100"}
                             << kResonancePrompts + QStringList{ResonanceResult("5032.921")};
  QTest::newRow("resonance comma") << "comma"
                                   << "CommandDrehko" << QStringList{"10", "100"}
                                   << kResonancePrompts + QStringList{ResonanceResult("5032,921")};
  QTest::newRow("resonance pasted line breaks")
      << "point"
      << "CommandDrehko" << QStringList{"10\n", "\r\n100\r"}
      << kResonancePrompts + QStringList{ResonanceResult("5032.921")};
  QTest::newRow("resonance first cancelled")
      << "point"
      << "CommandDrehko" << QStringList{ScriptedDialogs::Cancel(), "100"}
      << kResonancePrompts + QStringList{ResonanceResult("0.000")};
  QTest::newRow("resonance both cancelled")
      << "point"
      << "CommandDrehko" << QStringList{ScriptedDialogs::Cancel(), ScriptedDialogs::Cancel()}
      << kResonancePrompts + QStringList{ResonanceResult("0.000")};
  QTest::newRow("resonance opposite signs")
      << "point"
      << "CommandDrehko" << QStringList{"-10", "100"}
      << kResonancePrompts + QStringList{ResonanceResult("0.000")};

  QTest::newRow("loop") << "point"
                        << "CommandLoopInduk" << QStringList{"1000", "20"}
                        << kLoopPrompts + QStringList{LoopResult("2.508")};
  QTest::newRow("loop comma") << "comma"
                              << "CommandLoopInduk" << QStringList{"1000", "20"}
                              << kLoopPrompts + QStringList{LoopResult("2,508")};
  QTest::newRow("loop wire letters") << "point"
                                     << "CommandLoopInduk" << QStringList{"1000", "abc"}
                                     << kLoopPrompts + QStringList{LoopResult("0.000")};
  QTest::newRow("loop negative inductance") << "point"
                                            << "CommandLoopInduk" << QStringList{"100", "200"}
                                            << kLoopPrompts + QStringList{LoopResult("-0.039")};
}

void DialogActionsTest::AsksAndShows() {
  QFETCH(QString, notation);
  QFETCH(QString, button);
  QFETCH(QStringList, answers);
  QFETCH(QStringList, shown);

  ScriptedDialogs dialogs;
  ui::Form1 form(dialogs, NotationNamed(notation));
  dialogs.Answer(answers);
  form.findChild<QPushButton*>(button)->click();
  QCOMPARE(dialogs.Shown(), shown);
  QVERIFY(dialogs.AllAnswersUsed());
}

void DialogActionsTest::EveryPressStartsFromZero() {
  ScriptedDialogs dialogs;
  ui::Form1 form(dialogs, NotationNamed("point"));
  dialogs.Answer({"10", "100", ScriptedDialogs::Cancel(), "100"});
  form.findChild<QPushButton*>("CommandDrehko")->click();
  form.findChild<QPushButton*>("CommandDrehko")->click();
  QCOMPARE(dialogs.Shown().last(), ResonanceResult("0.000"));
}

}  // namespace welvaro::testing

QTEST_MAIN(welvaro::testing::DialogActionsTest)
#include "dialog_actions_test.moc"
