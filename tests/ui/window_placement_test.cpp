#include "window_placement.h"

#include <QScreen>
#include <QtTest>

#include "application.h"
#include "form1.h"
#include "scripted_dialogs.h"
#include "test_notations.h"

namespace welvaro::testing {

// Runs on offscreen screens of several sizes; the offscreen platform frames
// its windows with two pixels all round, known only once they are shown.
class WindowPlacementTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void FramePosition_data();
  void FramePosition();
  void OpensCentredOrAtTheTopLeft_data();
  void OpensCentredOrAtTheTopLeft();
};

void WindowPlacementTest::FramePosition_data() {
  QTest::addColumn<QSize>("frame");
  QTest::addColumn<QRect>("available");
  QTest::addColumn<QPoint>("position");
  const QSize framed(856, 533);
  QTest::newRow("1280x1024: centred") << framed << QRect(0, 0, 1280, 1024) << QPoint(212, 245);
  QTest::newRow("1280x1024 below a panel") << framed << QRect(0, 32, 1280, 992) << QPoint(212, 261);
  QTest::newRow("1024x600: centred") << framed << QRect(0, 0, 1024, 600) << QPoint(84, 33);
  QTest::newRow("1024x600 below a panel: too low, at the top")
      << framed << QRect(0, 70, 1024, 530) << QPoint(84, 70);
  QTest::newRow("800x600: too wide, at the left")
      << framed << QRect(0, 0, 800, 600) << QPoint(0, 33);
  QTest::newRow("1366x768 at 150 %: too high, at the top")
      << framed << QRect(0, 0, 910, 512) << QPoint(27, 0);
  QTest::newRow("too small either way, on a second screen")
      << framed << QRect(1280, 20, 640, 480) << QPoint(1280, 20);
  QTest::newRow("exactly fits") << framed << QRect(0, 0, 856, 533) << QPoint(0, 0);
}

void WindowPlacementTest::FramePosition() {
  QFETCH(QSize, frame);
  QFETCH(QRect, available);
  QFETCH(QPoint, position);
  QCOMPARE(ui::FramePosition(frame, available), position);
}

void WindowPlacementTest::OpensCentredOrAtTheTopLeft_data() {
  QTest::addColumn<QSize>("screen");
  QTest::addColumn<QPoint>("framePosition");
  // The window's frame is 850 x 507 pixels here.
  QTest::newRow("1280x1024") << QSize(1280, 1024) << QPoint(215, 258);
  QTest::newRow("1024x600") << QSize(1024, 600) << QPoint(87, 46);
  QTest::newRow("800x600") << QSize(800, 600) << QPoint(0, 46);
}

void WindowPlacementTest::OpensCentredOrAtTheTopLeft() {
  QFETCH(QSize, screen);
  QFETCH(QPoint, framePosition);
  if (QGuiApplication::primaryScreen()->availableSize() != screen) {
    QSKIP("runs on a screen of another size");
  }
  ScriptedDialogs dialogs;
  ui::Form1 form(dialogs, NotationNamed("point"));
  ui::ShowCentred(form);
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  QCOMPARE(form.frameGeometry().size(), QSize(850, 507));
  QTRY_COMPARE(form.frameGeometry().topLeft(), framePosition);
}

}  // namespace welvaro::testing

QTEST_MAIN(welvaro::testing::WindowPlacementTest)
#include "window_placement_test.moc"
