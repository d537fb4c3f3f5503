#include "background_picture.h"

#include <QtTest>

namespace welvaro::testing {

// The part of the picture the window shows, decoded alone, against the whole
// picture decoded by Qt's image reader: the same pixels, to the last column.
class BackgroundPictureTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void IsTheVisiblePartOfTheWholePicture_data();
  void IsTheVisiblePartOfTheWholePicture();
};

void BackgroundPictureTest::IsTheVisiblePartOfTheWholePicture_data() {
  QTest::addColumn<QString>("picture");
  QTest::addColumn<QSize>("visible");
  QTest::addColumn<int>("ratio");
  const QString normal = QStringLiteral(":/welvaro/background.jpg");
  const QString sharp = QStringLiteral(":/welvaro/background@2x.jpg");
  QTest::newRow("window at 96 dpi") << normal << QSize(846, 503) << 1;
  QTest::newRow("window at twice the resolution") << sharp << QSize(846, 503) << 2;
  QTest::newRow("edge inside a block, odd column") << normal << QSize(101, 37) << 1;
  QTest::newRow("edge on a block boundary") << normal << QSize(512, 256) << 1;
  QTest::newRow("larger than the picture") << normal << QSize(1200, 600) << 1;
}

void BackgroundPictureTest::IsTheVisiblePartOfTheWholePicture() {
  QFETCH(QString, picture);
  QFETCH(QSize, visible);
  QFETCH(int, ratio);
  const QImage whole(picture);
  QVERIFY(!whole.isNull());
  const QPixmap shown = ui::VisibleBackground(visible, ratio);
  const QSize expected = (visible * ratio).boundedTo(whole.size());
  QCOMPARE(shown.devicePixelRatio(), ratio);
  QCOMPARE(shown.size(), expected);
  QCOMPARE(shown.toImage().convertToFormat(QImage::Format_RGB32),
           whole.copy(QRect(QPoint(0, 0), expected)).convertToFormat(QImage::Format_RGB32));
}

}  // namespace welvaro::testing

QTEST_MAIN(welvaro::testing::BackgroundPictureTest)
#include "background_picture_test.moc"
