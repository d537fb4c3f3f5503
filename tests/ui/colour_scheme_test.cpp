#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QtTest>

#include "contrast.h"
#include "form1.h"
#include "scripted_dialogs.h"
#include "test_notations.h"

namespace welvaro::testing {

// The window under the standard, a dark and a high-contrast colour scheme:
// every caption readable, every button's focus plain to see.
class ColourSchemeTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void ContrastRatio_data();
  void ContrastRatio();
  void ReadableTextColour_data();
  void ReadableTextColour();
  void EveryCaptionIsReadable_data() { Schemes(); }
  void EveryCaptionIsReadable();
  void StandardSchemeKeepsTheDesignedColours();
  void FollowsASwitchWhileShown_data();
  void FollowsASwitchWhileShown();
  void FocusIsPlainToSee_data() { Schemes(); }
  void FocusIsPlainToSee();
  void cleanup() { QApplication::setPalette(QApplication::style()->standardPalette()); }

 private:
  static void Schemes();
};

namespace {

const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);

QPalette Scheme(const QString& name) {
  QPalette palette = QApplication::style()->standardPalette();
  if (name == "standard") return palette;
  // qt6ct's "darker" scheme, the one users meet most, and a black high-contrast one.
  const bool dark = name == "dark";
  const std::array<std::pair<QPalette::ColorRole, const char*>, 8> colours = {{
      {QPalette::Window, dark ? "#222020" : "#000000"},
      {QPalette::WindowText, "#ffffff"},
      {QPalette::Button, dark ? "#424245" : "#000000"},
      {QPalette::ButtonText, dark ? "#ffffff" : "#ffff00"},
      {QPalette::Base, dark ? "#3d3d3d" : "#000000"},
      {QPalette::Text, "#ffffff"},
      {QPalette::Highlight, dark ? "#12608a" : "#1aebff"},
      {QPalette::HighlightedText, dark ? "#f9f9f9" : "#000000"},
  }};
  for (const auto& [role, colour] : colours) palette.setColor(role, QColor(colour));
  return palette;
}

struct ShownForm {
  explicit ShownForm(const QString& scheme) {
    QApplication::setPalette(Scheme(scheme));
    form = std::make_unique<ui::Form1>(dialogs, NotationNamed("point"));
    form->show();
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
  }
  ScriptedDialogs dialogs;
  std::unique_ptr<ui::Form1> form;
};

// The caption's ink: where the window with its labels differs from the
// window without them. Each ink pixel's colour is the caption's colour
// blended into what lies beneath; the caption's colour itself must stand out
// against what lies beneath by 4.5:1. Names the captions that do not.
QString UnreadableCaptions(ui::Form1& form) {
  const QImage window = form.grab().toImage();
  const QList<QLabel*> labels = form.findChildren<QLabel*>();
  if (labels.size() != 15) return QString("%1 labels").arg(labels.size());
  for (QLabel* label : labels) label->hide();
  const QImage beneath = form.grab().toImage();
  for (QLabel* label : labels) label->show();
  QStringList unreadable;
  for (const QLabel* label : labels) {
    const QColor text = label->palette().color(QPalette::WindowText);
    const QRect area = label->geometry();
    int ink = 0;
    double least = 21.0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
      for (int x = area.left(); x <= area.right(); ++x) {
        if (window.pixel(x, y) == beneath.pixel(x, y)) continue;
        ++ink;
        least = std::min(least, ui::ContrastRatio(text, beneath.pixelColor(x, y)));
      }
    }
    if (ink <= 100 || least < 4.5) {
      unreadable << QString("%1: %2 ink pixels, least contrast %3")
                        .arg(label->objectName())
                        .arg(ink)
                        .arg(least);
    }
  }
  return unreadable.join("; ");
}

}  // namespace

void ColourSchemeTest::Schemes() {
  QTest::addColumn<QString>("scheme");
  for (const char* scheme : {"standard", "dark", "high contrast"}) QTest::newRow(scheme) << scheme;
}

void ColourSchemeTest::ContrastRatio_data() {
  QTest::addColumn<QColor>("first");
  QTest::addColumn<QColor>("second");
  QTest::addColumn<double>("ratio");
  QTest::newRow("black on white") << kBlack << kWhite << 21.0;
  QTest::newRow("white on black") << kWhite << kBlack << 21.0;
  QTest::newRow("same colour") << QColor(107, 149, 209) << QColor(107, 149, 209) << 1.0;
  QTest::newRow("grey 777 on white, just below 4.5") << QColor("#777777") << kWhite << 4.478;
  QTest::newRow("white on the navy") << kWhite << QColor(1, 14, 49) << 18.95;
  QTest::newRow("white on the light blue band") << kWhite << QColor(107, 149, 209) << 3.07;
}

void ColourSchemeTest::ContrastRatio() {
  QFETCH(QColor, first);
  QFETCH(QColor, second);
  QFETCH(double, ratio);
  QVERIFY2(std::abs(ui::ContrastRatio(first, second) - ratio) < 0.01,
           qPrintable(QString::number(ui::ContrastRatio(first, second))));
}

void ColourSchemeTest::ReadableTextColour_data() {
  QTest::addColumn<QColor>("wanted");
  QTest::addColumn<QColor>("background");
  QTest::addColumn<QColor>("lastRowPixel");
  QTest::addColumn<int>("width");
  QTest::addColumn<QColor>("shown");
  const QColor nearWhite(252, 252, 254);
  const QColor navy(1, 14, 49);
  const QColor yellow(255, 255, 0);
  const QColor grey(60, 60, 60);
  QTest::newRow("black on light stays") << kBlack << nearWhite << nearWhite << 20 << kBlack;
  QTest::newRow("dark grey on light stays") << grey << nearWhite << nearWhite << 20 << grey;
  QTest::newRow("white on light turns black") << kWhite << nearWhite << nearWhite << 20 << kBlack;
  QTest::newRow("yellow on light turns black") << yellow << nearWhite << nearWhite << 20 << kBlack;
  QTest::newRow("white on navy stays") << kWhite << navy << navy << 20 << kWhite;
  QTest::newRow("black on navy turns white") << kBlack << navy << navy << 20 << kWhite;
  QTest::newRow("white with a light pixel in the last row turns black")
      << kWhite << navy << nearWhite << 20 << kBlack;
  QTest::newRow("a light pixel outside the area counts not")
      << kWhite << navy << nearWhite << 10 << kWhite;
}

void ColourSchemeTest::ReadableTextColour() {
  QFETCH(QColor, wanted);
  QFETCH(QColor, background);
  QFETCH(QColor, lastRowPixel);
  QFETCH(int, width);
  QFETCH(QColor, shown);
  QImage beneath(20, 10, QImage::Format_RGB32);
  beneath.fill(background);
  // Under nine identical rows, which the judging skips, so the skip must stop at it.
  beneath.setPixelColor(15, 9, lastRowPixel);
  QCOMPARE(ui::ReadableTextColour(wanted, beneath, QRect(0, 0, width, 10)), shown);
}

void ColourSchemeTest::EveryCaptionIsReadable() {
  QFETCH(QString, scheme);
  ShownForm shown(scheme);
  const QString unreadable = UnreadableCaptions(*shown.form);
  QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable));
}

void ColourSchemeTest::StandardSchemeKeepsTheDesignedColours() {
  ShownForm shown("standard");
  const QList<QLabel*> labels = shown.form->findChildren<QLabel*>();
  const QStringList white = {"LblFormel", "LblResfreq", "LblLoop"};
  // The standard scheme's button text is black, as are all labels but the three white ones.
  QCOMPARE(QApplication::palette().color(QPalette::ButtonText), kBlack);
  for (const QLabel* label : labels) {
    QCOMPARE(label->palette().color(QPalette::WindowText),
             white.contains(label->objectName()) ? kWhite : kBlack);
  }
}

void ColourSchemeTest::FollowsASwitchWhileShown_data() {
  QTest::addColumn<QString>("first");
  QTest::addColumn<QString>("then");
  QTest::newRow("standard, dark, standard") << "standard"
                                            << "dark";
  QTest::newRow("standard, high contrast, standard") << "standard"
                                                     << "high contrast";
  QTest::newRow("dark, high contrast, dark") << "dark"
                                             << "high contrast";
  QTest::newRow("high contrast, standard, high contrast") << "high contrast"
                                                          << "standard";
}

// The desktop switches its scheme while the window is open, and back: every
// caption readable in each, and the first look again pixel for pixel.
void ColourSchemeTest::FollowsASwitchWhileShown() {
  QFETCH(QString, first);
  QFETCH(QString, then);
  ShownForm shown(first);
  ui::Form1& form = *shown.form;
  const QImage before = form.grab().toImage();
  for (const QString& scheme : {then, first}) {
    QApplication::setPalette(Scheme(scheme));
    QTRY_VERIFY2(UnreadableCaptions(form).isEmpty(),
                 qPrintable(scheme + ": " + UnreadableCaptions(form)));
  }
  QTRY_COMPARE(form.grab().toImage(), before);
}

void ColourSchemeTest::FocusIsPlainToSee() {
  QFETCH(QString, scheme);
  ShownForm shown(scheme);
  ui::Form1& form = *shown.form;
  // A plain push button of the same size and caption: the look without the focus.
  QPushButton plain(&form);
  plain.setFocusPolicy(Qt::NoFocus);
  for (QPushButton* button : form.findChildren<QPushButton*>()) {
    if (button == &plain) continue;
    plain.setText(button->text());
    plain.setFont(button->font());
    plain.setGeometry(button->geometry());
    form.findChild<QWidget*>("TextFreq")->setFocus();
    QTRY_VERIFY(!button->hasFocus());
    const QImage unfocused = button->grab().toImage();
    QCOMPARE(unfocused, plain.grab().toImage());
    button->setFocus();
    QTRY_VERIFY(button->hasFocus());
    const QImage focused = button->grab().toImage();

    // A frame of two pixels all round, in a colour that stands out on the face.
    const QRect edge = button->rect();
    int changed = 0;
    double least = 21.0;
    for (int y = 0; y < edge.height(); ++y) {
      for (int x = 0; x < edge.width(); ++x) {
        if (focused.pixel(x, y) == unfocused.pixel(x, y)) continue;
        ++changed;
        least = std::min(least,
                         ui::ContrastRatio(focused.pixelColor(x, y), unfocused.pixelColor(x, y)));
      }
    }
    const int frame = 2 * 2 * (edge.width() + edge.height() - 16);
    const QString what = QString("%1: %2 pixels changed, least contrast %3")
                             .arg(button->objectName())
                             .arg(changed)
                             .arg(least);
    QVERIFY2(changed >= frame * 9 / 10, qPrintable(what));
    for (const QPoint& middleOfSide :
         {QPoint(edge.width() / 2, 2), QPoint(edge.width() / 2, 3), QPoint(2, edge.height() / 2),
          QPoint(3, edge.height() / 2), QPoint(edge.width() - 3, edge.height() / 2),
          QPoint(edge.width() / 2, edge.height() - 3)}) {
      const double contrast = ui::ContrastRatio(focused.pixelColor(middleOfSide),
                                                button->palette().color(QPalette::Button));
      QVERIFY2(contrast >= 3.0, qPrintable(what + QString(", frame contrast %1").arg(contrast)));
    }
  }
}

}  // namespace welvaro::testing

QTEST_MAIN(welvaro::testing::ColourSchemeTest)
#include "colour_scheme_test.moc"
