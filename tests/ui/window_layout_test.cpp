#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "fonts.h"
#include "form1.h"
#include "scripted_dialogs.h"
#include "test_notations.h"

namespace welvaro::testing {

class WindowLayoutTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init();
  void cleanup();
  void Window();
  void Controls_data();
  void Controls();
  void StandInFaces_data();
  void StandInFaces();
  void Captions_data();
  void Captions();
  void ComposedCaptionsOnTheFirstPaint();
  void LayeringPutsShapesBeneathTheirLabels();
  void TabSequence();
  void EnterAndEscape_data();
  void EnterAndEscape();
  void Picture();
  void RepaintedPiecesMatchTheWholeWindow();
  void LeavesTheDesktopFontToDialogs();
  void KeepsItsFontsWhenTheDesktopFontChanges();

 private:
  QWidget* Control(const char* name) const { return form_->findChild<QWidget*>(name); }
  void ShowAndActivate();

  std::unique_ptr<ScriptedDialogs> dialogs_;
  std::unique_ptr<ui::Form1> form_;
};

namespace {

/// The designed rectangle in twips, shown at 15 twips per pixel, rounded.
QRect Pixels(int left, int top, int width, int height) {
  const auto px = [](int twips) { return static_cast<int>(std::lround(twips / 15.0)); };
  return {px(left), px(top), px(width), px(height)};
}

const QStringList kTabSequence = {"TextFreq",      "CommandFreq",     "TextFreq2",  "TextWelang",
                                  "CommandWelang", "TextWelang2",     "TextMHz",    "TextDraht",
                                  "CommandCalc",   "TextDipol1",      "TextDipol2", "CommandSpule",
                                  "CommandDrehko", "CommandLoopInduk"};

/// Counts the changes of the application's font.
class FontChanges : public QObject {
 public:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() == QEvent::ApplicationFontChange) ++count;
    return false;
  }
  int count = 0;
};

}  // namespace

void WindowLayoutTest::init() {
  dialogs_ = std::make_unique<ScriptedDialogs>();
  form_ = std::make_unique<ui::Form1>(*dialogs_, NotationNamed("point"));
}

void WindowLayoutTest::cleanup() {
  form_.reset();
  dialogs_.reset();
}

void WindowLayoutTest::ShowAndActivate() {
  form_->show();
  form_->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(form_.get()));
}

void WindowLayoutTest::Window() {
  QCOMPARE(form_->windowTitle(), QString("Welvaro von Tarsimo"));
  QCOMPARE(form_->size(), QSize(846, 503));
  QCOMPARE(form_->minimumSize(), form_->maximumSize());
  const QList<QWidget*> controls = form_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  QCOMPARE(controls.size(), 31);
  for (const QWidget* control : controls) {
    QVERIFY2(form_->rect().contains(control->geometry()), qPrintable(control->objectName()));
  }
  for (const QLineEdit* box : form_->findChildren<QLineEdit*>()) QVERIFY(box->text().isEmpty());
  for (const QPushButton* button : form_->findChildren<QPushButton*>()) {
    QVERIFY(!button->isDefault());
  }
}

void WindowLayoutTest::Controls_data() {
  QTest::addColumn<QString>("className");
  QTest::addColumn<QRect>("geometry");
  QTest::addColumn<QString>("family");
  QTest::addColumn<double>("points");
  QTest::addColumn<bool>("bold");

  const auto row = [](const char* name, const char* className, QRect geometry, const char* family,
                      double points, bool bold) {
    QTest::newRow(name) << QString(className) << geometry << QString(family) << points << bold;
  };
  const char* arial = "Arial";
  row("Label1", "QLabel", Pixels(240, 240, 6615, 375), arial, 12, true);
  row("Label2", "QLabel", Pixels(600, 720, 1935, 375), arial, 9.75, true);
  row("TextFreq", "QLineEdit", Pixels(2880, 720, 1695, 375), arial, 9.75, true);
  row("CommandFreq", "welvaro::ui::FocusFramedButton", Pixels(4800, 720, 2415, 375), arial, 9.75,
      true);
  row("TextFreq2", "QLineEdit", Pixels(7440, 720, 1695, 375), arial, 9.75, true);
  row("Label3", "QLabel", Pixels(600, 1320, 2175, 375), arial, 9.75, true);
  row("TextWelang", "QLineEdit", Pixels(2880, 1200, 1695, 375), arial, 9.75, true);
  row("CommandWelang", "welvaro::ui::FocusFramedButton", Pixels(4800, 1200, 2415, 375), arial, 9.75,
      true);
  row("TextWelang2", "QLineEdit", Pixels(7440, 1200, 1695, 375), arial, 9.75, true);
  row("Shape2", "welvaro::ui::Shape", Pixels(9360, 300, 3015, 1575), "", 0, false);
  row("LblIntro", "QLabel", Pixels(9540, 540, 2655, 1215), "Courier New", 12, false);
  row("Label4", "QLabel", Pixels(240, 2160, 11175, 375), arial, 12, true);
  row("Label5", "QLabel", Pixels(720, 2880, 1935, 375), arial, 9.75, true);
  row("TextMHz", "QLineEdit", Pixels(2880, 2880, 1695, 375), arial, 9.75, true);
  row("CommandCalc", "welvaro::ui::FocusFramedButton", Pixels(4800, 2880, 2415, 995), arial, 9.75,
      true);
  row("TextDipol1", "QLineEdit", Pixels(7440, 2880, 1695, 375), arial, 9.75, true);
  row("Label7", "QLabel", Pixels(9360, 2880, 3255, 375), arial, 9.75, true);
  row("Label6", "QLabel", Pixels(720, 3480, 1935, 375), arial, 9.75, true);
  row("TextDraht", "QLineEdit", Pixels(2880, 3480, 1695, 375), arial, 9.75, true);
  row("TextDipol2", "QLineEdit", Pixels(7440, 3480, 1695, 375), arial, 9.75, true);
  row("Label8", "QLabel", Pixels(9360, 3480, 3255, 375), arial, 9.75, true);
  row("Shape1", "welvaro::ui::Shape", Pixels(360, 4250, 12015, 1335), "", 0, false);
  row("Label11", "QLabel", Pixels(720, 4440, 11895, 375), arial, 9.75, true);
  row("Label12", "QLabel", Pixels(720, 4800, 11895, 375), arial, 9.75, true);
  row("Label9", "QLabel", Pixels(720, 5160, 11895, 375), arial, 9.75, true);
  row("CommandSpule", "welvaro::ui::FocusFramedButton", Pixels(360, 5880, 2415, 375), arial, 9.75,
      true);
  row("LblFormel", "QLabel", Pixels(3000, 5955, 9135, 345), arial, 9.75, true);
  row("CommandDrehko", "welvaro::ui::FocusFramedButton", Pixels(360, 6360, 2415, 375), arial, 9.75,
      true);
  row("LblResfreq", "QLabel", Pixels(3000, 6410, 9135, 345), arial, 9.75, true);
  row("CommandLoopInduk", "welvaro::ui::FocusFramedButton", Pixels(360, 6840, 2415, 375), arial,
      9.75, true);
  row("LblLoop", "QLabel", Pixels(3000, 6890, 9135, 345), arial, 9.75, true);
}

void WindowLayoutTest::Controls() {
  QFETCH(QString, className);
  QFETCH(QRect, geometry);
  QFETCH(QString, family);
  QFETCH(double, points);
  QFETCH(bool, bold);

  const QWidget* control = Control(QTest::currentDataTag());
  QVERIFY(control != nullptr);
  QCOMPARE(QString(control->metaObject()->className()), className);
  QCOMPARE(control->geometry(), geometry);
  if (family.isEmpty()) {
    QCOMPARE(control->focusPolicy(), Qt::NoFocus);
    return;
  }
  // The face itself, or a metric-compatible stand-in where it is not installed.
  const std::span<const QStringView> faces =
      family == "Arial" ? std::span(ui::kSansFaces) : std::span(ui::kMonospacedFaces);
  QVERIFY2(std::ranges::find(faces, control->font().family()) != faces.end(),
           qPrintable(control->font().family()));
  QCOMPARE(QFontInfo(control->font()).family(), control->font().family());
  QCOMPARE(control->font().pointSizeF(), points);
  QCOMPARE(control->font().bold(), bold);
  QVERIFY(!control->font().italic() && !control->font().underline() &&
          !control->font().strikeOut());
  if (const auto* label = qobject_cast<const QLabel*>(control)) {
    QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    QVERIFY(label->wordWrap());
    QVERIFY(label->alignment() & Qt::AlignTop);
    QVERIFY(!label->autoFillBackground());
  }
}

void WindowLayoutTest::StandInFaces_data() {
  QTest::addColumn<QStringList>("installed");
  QTest::addColumn<QString>("sans");
  QTest::addColumn<QString>("monospaced");
  QTest::newRow("designed faces") << QStringList{"DejaVu Sans", "Liberation Sans", "Arial",
                                                 "Courier New", "Liberation Mono"}
                                  << "Arial"
                                  << "Courier New";
  QTest::newRow("fonts-liberation")
      << QStringList{"Arimo", "Liberation Mono", "Liberation Sans"} << "Liberation Sans"
      << "Liberation Mono";
  QTest::newRow("fonts-croscore") << QStringList{"Cousine", "Nimbus Sans", "Arimo"} << "Arimo"
                                  << "Cousine";
  QTest::newRow("fonts-urw-base35") << QStringList{"Nimbus Mono PS", "Nimbus Sans"} << "Nimbus Sans"
                                    << "Nimbus Mono PS";
  QTest::newRow("found at several foundries")
      << QStringList{"Arimo [GOOG]", "Arimo [Monotype]", "Cousine"} << "Arimo"
      << "Cousine";
  QTest::newRow("names in other case")
      << QStringList{"liberation sans", "LIBERATION MONO"} << "Liberation Sans"
      << "Liberation Mono";
  QTest::newRow("a longer name is another face")
      << QStringList{"Nimbus Sans Narrow", "Arimo Bold", "Courier New Condensed"} << "Arial"
      << "Courier New";
  QTest::newRow("none: the designed name, for the generic face")
      << QStringList{"DejaVu Sans", "DejaVu Sans Mono"} << "Arial"
      << "Courier New";
}

void WindowLayoutTest::StandInFaces() {
  QFETCH(QStringList, installed);
  QFETCH(QString, sans);
  QFETCH(QString, monospaced);
  QCOMPARE(ui::FirstInstalledFace(ui::kSansFaces, installed), sans);
  QCOMPARE(ui::FirstInstalledFace(ui::kMonospacedFaces, installed), monospaced);
}

void WindowLayoutTest::Captions_data() {
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QColor>("colour");
  QTest::addColumn<bool>("centred");

  const QColor system = QApplication::palette().color(QPalette::ButtonText);
  const QColor black(0, 0, 0);
  const QColor white(255, 255, 255);
  QTest::newRow("Label1") << "Umrechnung Frequenz in Wellenlänge und umgekehrt" << system << false;
  QTest::newRow("Label2") << "Frequenz in MHz" << system << false;
  QTest::newRow("CommandFreq") << "Wellenlänge >" << system << true;
  QTest::newRow("Label3") << "Wellenlänge in Meter" << system << false;
  QTest::newRow("CommandWelang") << "Frequenz >" << system << true;
  QTest::newRow("LblIntro") << "Die Berechnungen wurden alle mit Referenzwerten verglichen."
                            << system << true;
  QTest::newRow("Label4")
      << "Lambda/2 Dipol-Antenne mit Verkürzungsfaktor. Für Lambda/4 nochmals halbieren." << system
      << false;
  QTest::newRow("Label5") << "Frequenz in MHz" << system << false;
  QTest::newRow("CommandCalc") << "Berechne" << system << true;
  QTest::newRow("Label7") << "Gesamtlänge ohne Korrektur" << system << false;
  QTest::newRow("Label6") << "Drahtdicke in mm" << black << false;
  QTest::newRow("Label8") << "Gesamtlänge mit Korrektur" << system << false;
  QTest::newRow("Label11") << "Die Korrektur (Verkürzungsfaktor) berücksichtigt die Drahtdicke. "
                              "Je dicker der Draht, desto breitbandiger die Antenne."
                           << black << false;
  QTest::newRow("Label12")
      << "Verkürzungsfaktor = Dipollänge geteilt durch (Dipollänge + Drahtdicke)" << black << false;
  QTest::newRow("Label9")
      << "Mit einer Verlängerungsspule lässt sich die Antenne zusätzlich verkürzen. " << black
      << false;
  QTest::newRow("CommandSpule") << "Spule berechnen" << system << true;
  QTest::newRow("LblFormel")
      << "Wheeler Formel: L \u02DC (\u00B50 * N\u00B2 * A) /l  >>> Verlängerungsspulen online "
         "berechnen bei k7mem.com"
      << white << false;
  QTest::newRow("CommandDrehko") << "Resonanzfrequenz" << system << true;
  QTest::newRow("LblResfreq")
      << "Formel: fr = 1 / (2 * p * v(L * C)) >>> Z.B. für Loop Antenne mit Drehkondensator"
      << white << false;
  QTest::newRow("CommandLoopInduk") << "Loop berechnen" << system << true;
  QTest::newRow("LblLoop")
      << "Formel: L = 0.0002 * p * D * (LN(8 * D/d) - 2) >>> Für magnetische Loop mit 1 Windung"
      << white << false;
}

void WindowLayoutTest::Captions() {
  QFETCH(QString, caption);
  QFETCH(QColor, colour);
  QFETCH(bool, centred);

  const QWidget* control = Control(QTest::currentDataTag());
  if (const auto* label = qobject_cast<const QLabel*>(control)) {
    QCOMPARE(label->text(), caption);
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QCOMPARE(label->palette().color(QPalette::WindowText), colour);
    QCOMPARE(bool(label->alignment() & Qt::AlignHCenter), centred);
  } else {
    const auto* button = qobject_cast<const QPushButton*>(control);
    QVERIFY(button != nullptr);
    QCOMPARE(button->text(), caption);
  }
}

// Records the caption of every composed label whenever the label paints.
class CaptionRecorder : public QObject {
 public:
  QStringList seen;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) seen << static_cast<QLabel*>(watched)->text();
    return false;
  }
};

void WindowLayoutTest::ComposedCaptionsOnTheFirstPaint() {
  CaptionRecorder recorder;
  for (const char* name : {"LblFormel", "LblResfreq", "LblLoop", "LblIntro"}) {
    Control(name)->installEventFilter(&recorder);
  }
  ShowAndActivate();
  QTRY_VERIFY(recorder.seen.size() >= 4);
  for (const QString& caption : recorder.seen) {
    QVERIFY2(caption != "Formel" && caption != "Intro", qPrintable(caption));
  }
  const QString coil = qobject_cast<QLabel*>(Control("LblFormel"))->text();
  QVERIFY(coil.contains("/l  >>> ") && !coil.contains("/l   "));
  QVERIFY(qobject_cast<QLabel*>(Control("LblLoop"))->text().contains(") >>> "));
}

void WindowLayoutTest::LayeringPutsShapesBeneathTheirLabels() {
  QStringList stacking;
  for (const QObject* child : form_->children()) {
    if (child->isWidgetType()) stacking << child->objectName();
  }
  const QStringList backToFront = {"Label1",  "Label2",  "Label3",    "Label4",     "Label5",
                                   "Label6",  "Label7",  "Label8",    "Shape1",     "Label11",
                                   "Label12", "Label9",  "LblFormel", "LblResfreq", "LblLoop",
                                   "Shape2",  "LblIntro"};
  QCOMPARE(stacking.mid(0, backToFront.size()), backToFront);
  for (const QString& name : stacking.mid(backToFront.size())) {
    QVERIFY2(name.startsWith("Text") || name.startsWith("Command"), qPrintable(name));
  }
}

void WindowLayoutTest::TabSequence() {
  ShowAndActivate();
  QCOMPARE(QApplication::focusWidget()->objectName(), QString("TextFreq"));
  QStringList forwards;
  for (int press = 0; press < 14; ++press) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    forwards << QApplication::focusWidget()->objectName();
  }
  QCOMPARE(forwards, kTabSequence.mid(1) + QStringList{"TextFreq"});
  QStringList backwards;
  for (int press = 0; press < 14; ++press) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    backwards << QApplication::focusWidget()->objectName();
  }
  QStringList reversed(kTabSequence.rbegin(), kTabSequence.rend());
  QCOMPARE(backwards, reversed);
}

void WindowLayoutTest::EnterAndEscape_data() {
  QTest::addColumn<QString>("focus");
  QTest::addColumn<int>("key");
  QTest::addColumn<bool>("clicks");

  QTest::newRow("Enter in a text box") << "TextFreq" << int(Qt::Key_Return) << false;
  QTest::newRow("keypad Enter in a text box") << "TextFreq" << int(Qt::Key_Enter) << false;
  QTest::newRow("Esc in a text box") << "TextFreq" << int(Qt::Key_Escape) << false;
  QTest::newRow("Esc on a button") << "CommandFreq" << int(Qt::Key_Escape) << false;
  QTest::newRow("Enter on a button") << "CommandFreq" << int(Qt::Key_Return) << true;
  QTest::newRow("Space on a button") << "CommandFreq" << int(Qt::Key_Space) << true;
}

void WindowLayoutTest::EnterAndEscape() {
  QFETCH(QString, focus);
  QFETCH(int, key);
  QFETCH(bool, clicks);

  ShowAndActivate();
  qobject_cast<QLineEdit*>(Control("TextFreq"))->setText("7.1");
  QWidget* focused = Control(qPrintable(focus));
  focused->setFocus();
  QTest::keyClick(focused, static_cast<Qt::Key>(key));
  QCOMPARE(qobject_cast<QLineEdit*>(Control("TextFreq2"))->text(),
           clicks ? QString("42.25 m") : QString());
  QVERIFY(form_->isVisible());
  QVERIFY(dialogs_->Shown().isEmpty());
}

// After a whole frame the window keeps only a piece of the picture; any later
// paint, beneath the focused box or elsewhere, shows the same pixels.
void WindowLayoutTest::RepaintedPiecesMatchTheWholeWindow() {
  ShowAndActivate();
  const QImage whole = form_->grab().toImage();
  const QRect focused = QApplication::focusWidget()->geometry();
  QCOMPARE(form_->grab(focused).toImage(), whole.copy(focused));
  for (const char* name : {"TextFreq", "CommandCalc", "LblLoop", "Label1", "CommandLoopInduk"}) {
    const QRect place = Control(name)->geometry().adjusted(-3, -3, 3, 3);
    QCOMPARE(form_->grab(place).toImage(), whole.copy(place));
  }
  const QRect straddling(200, 240, 300, 90);
  QCOMPARE(form_->grab(straddling).toImage(), whole.copy(straddling));
}

// Building the window leaves the application's font alone: once a program
// sets it, the desktop's later changes of it no longer reach the prompts and
// messages.
void WindowLayoutTest::LeavesTheDesktopFontToDialogs() {
  FontChanges changes;
  qApp->installEventFilter(&changes);
  const ui::Form1 window(*dialogs_, NotationNamed("point"));
  qApp->removeEventFilter(&changes);
  QCOMPARE(changes.count, 0);
  QVERIFY(!window.testAttribute(Qt::WA_SetFont));
  QCOMPARE(window.font(), QGuiApplication::font());
}

void WindowLayoutTest::KeepsItsFontsWhenTheDesktopFontChanges() {
  const QFont desktop = QApplication::font();
  QFont changed = desktop;
  changed.setPointSize(20);
  changed.setItalic(true);
  QApplication::setFont(changed);
  QStringList followed;
  for (const QWidget* control : form_->findChildren<QWidget*>()) {
    const bool shape =
        control->focusPolicy() == Qt::NoFocus && qobject_cast<const QLabel*>(control) == nullptr;
    if (!shape && (control->font().italic() || control->font().pointSize() > 12)) {
      followed << control->objectName();
    }
  }
  QApplication::setFont(desktop);
  QVERIFY2(followed.isEmpty(), qPrintable(followed.join(", ")));
}

void WindowLayoutTest::Picture() {
  const QImage window = form_->grab().toImage();
  QCOMPARE(window.size(), QSize(846, 503));
  const QImage picture(":/welvaro/background.jpg");
  QCOMPARE(picture.size(), QSize(1000, 520));
  // Where no control lies, the window shows the picture pixel for pixel.
  for (const QPoint point : {QPoint(500, 5), QPoint(2, 150), QPoint(845, 502), QPoint(5, 502)}) {
    QCOMPARE(window.pixelColor(point), picture.pixelColor(point));
  }
  const auto isDark = [](QColor c) { return c.lightness() < 100; };
  QVERIFY(isDark(window.pixelColor(100, 495)));
  QVERIFY(!isDark(window.pixelColor(300, 20)));

  // The white formula labels stand on the dark part: white text pixels, and a
  // dark background all along the label's bottom row.
  for (const char* name : {"LblFormel", "LblResfreq", "LblLoop"}) {
    const QRect area = Control(name)->geometry();
    int white = 0;
    for (int x = area.left(); x <= area.right(); ++x) {
      QVERIFY2(isDark(window.pixelColor(x, area.bottom())), name);
      for (int y = area.top(); y <= area.bottom(); ++y) {
        white += window.pixelColor(x, y) == QColor(255, 255, 255) ? 1 : 0;
      }
    }
    QVERIFY2(white > 100, name);
  }

  const QRect box = Control("Shape1")->geometry();
  QCOMPARE(window.pixelColor(box.topLeft() + QPoint(1, 1)), QColor(0, 192, 192));
  QCOMPARE(window.pixelColor(box.right() - 2, box.bottom() - 2), QColor(0, 192, 192));
  QCOMPARE(window.pixelColor(box.right() - 4, box.bottom() - 4), QColor(255, 255, 255));

  const QRect note = Control("Shape2")->geometry();
  QVERIFY(note.contains(Control("LblIntro")->geometry()));
  QCOMPARE(window.pixelColor(note.topLeft()), QApplication::palette().color(QPalette::Text));
  QCOMPARE(window.pixelColor(note.topLeft() + QPoint(2, 2)),
           QApplication::palette().color(QPalette::Base));
  int inked = 0;
  const QRect intro = Control("LblIntro")->geometry();
  for (int y = intro.top(); y <= intro.bottom(); ++y) {
    for (int x = intro.left(); x <= intro.right(); ++x) {
      inked += isDark(window.pixelColor(x, y)) ? 1 : 0;
    }
  }
  QVERIFY(inked > 200);
}

}  // namespace welvaro::testing

QTEST_MAIN(welvaro::testing::WindowLayoutTest)
#include "window_layout_test.moc"
