#include <QtTest>

#include "form1.h"
#include "scripted_dialogs.h"
#include "test_notations.h"

namespace welvaro::testing {

// Runs with QT_SCALE_FACTOR=2: two device pixels to each logical one.
class HighResolutionTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void KeepsTheLayoutAndDrawsTheSharpPicture();
};

void HighResolutionTest::KeepsTheLayoutAndDrawsTheSharpPicture() {
  ScriptedDialogs dialogs;
  ui::Form1 form(dialogs, NotationNamed("point"));
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  if (form.devicePixelRatioF() != 2.0) QSKIP("QT_SCALE_FACTOR=2 is not in force");

  QCOMPARE(form.size(), QSize(846, 503));
  QCOMPARE(form.findChild<QWidget*>("CommandCalc")->geometry(), QRect(320, 192, 161, 66));

  const QImage window = form.grab().toImage();
  QCOMPARE(window.size(), QSize(1692, 1006));
  const QImage sharp(":/welvaro/background@2x.jpg");
  const QImage coarse(":/welvaro/background.jpg");
  // Along the edges of the wave, where an upscaled 1x picture would blur,
  // every device pixel is the pixel of the picture drawn at twice the size.
  int differsFromUpscaled = 0;
  for (int x = 0; x < 1692; x += 7) {
    for (int y = 520; y < 564; ++y) {  // between the dipole rows and Shape1
      QCOMPARE(window.pixelColor(x, y), sharp.pixelColor(x, y));
      differsFromUpscaled += window.pixelColor(x, y) != coarse.pixelColor(x / 2, y / 2) ? 1 : 0;
    }
  }
  QVERIFY(differsFromUpscaled > 100);
}

}  // namespace welvaro::testing

QTEST_MAIN(welvaro::testing::HighResolutionTest)
#include "high_resolution_test.moc"
