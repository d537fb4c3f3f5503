#include "background_picture.h"

#include <QBuffer>
#include <QFile>
#include <QRandomGenerator>
#include <QtTest>

namespace welvaro::testing {

// A piece of the picture decoded alone, against the whole picture decoded by
// Qt's image reader: the same pixels, to the last row and column.
class BackgroundPictureTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void IsThatPartOfTheWholePicture_data();
  void IsThatPartOfTheWholePicture();
  void AnyPieceIsThatPartOfTheWholePicture();
  void NothingLiesBeyondThePicture();
  void DamagedPicture_data();
  void DamagedPicture();
};

namespace {

const QString kNormal = QStringLiteral(":/welvaro/background.jpg");
const QString kSharp = QStringLiteral(":/welvaro/background@2x.jpg");

QString Mismatch(const QImage& whole, QRect wanted, int ratio) {
  const ui::BackgroundPiece piece = ui::BackgroundBeneath(wanted, ratio);
  const QRect expected = wanted & QRect(QPoint(0, 0), whole.size() / ratio);
  const QRect device(expected.topLeft() * ratio, expected.size() * ratio);
  if (piece.place != expected || piece.pixels.devicePixelRatio() != ratio ||
      piece.pixels.size() != device.size() ||
      piece.pixels.toImage().convertToFormat(QImage::Format_RGB32) !=
          whole.copy(device).convertToFormat(QImage::Format_RGB32)) {
    return QStringLiteral("(%1, %2, %3 x %4) at ratio %5")
        .arg(wanted.x())
        .arg(wanted.y())
        .arg(wanted.width())
        .arg(wanted.height())
        .arg(ratio);
  }
  return {};
}

}  // namespace

void BackgroundPictureTest::IsThatPartOfTheWholePicture_data() {
  QTest::addColumn<QString>("picture");
  QTest::addColumn<QRect>("wanted");
  QTest::addColumn<int>("ratio");
  QTest::newRow("window at 96 dpi") << kNormal << QRect(0, 0, 846, 503) << 1;
  QTest::newRow("window at twice the resolution") << kSharp << QRect(0, 0, 846, 503) << 2;
  QTest::newRow("edge inside a block, odd column") << kNormal << QRect(0, 0, 101, 37) << 1;
  QTest::newRow("edge on a block boundary") << kNormal << QRect(0, 0, 512, 256) << 1;
  QTest::newRow("larger than the picture") << kNormal << QRect(0, 0, 1200, 600) << 1;
  QTest::newRow("a text box's place") << kNormal << QRect(192, 48, 114, 26) << 1;
  QTest::newRow("a button's place, sharp") << kSharp << QRect(24, 392, 162, 26) << 2;
  QTest::newRow("starts on a block boundary") << kNormal << QRect(32, 16, 48, 32) << 1;
  QTest::newRow("starts one past a block boundary") << kNormal << QRect(17, 17, 15, 15) << 1;
  QTest::newRow("one pixel") << kNormal << QRect(845, 502, 1, 1) << 1;
  QTest::newRow("the last row and column") << kNormal << QRect(999, 519, 1, 1) << 1;
  QTest::newRow("reaching beyond the picture") << kSharp << QRect(900, 500, 300, 300) << 2;
}

void BackgroundPictureTest::IsThatPartOfTheWholePicture() {
  QFETCH(QString, picture);
  QFETCH(QRect, wanted);
  QFETCH(int, ratio);
  const QImage whole(picture);
  QVERIFY(!whole.isNull());
  const QString mismatch = Mismatch(whole, wanted, ratio);
  QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
}

void BackgroundPictureTest::AnyPieceIsThatPartOfTheWholePicture() {
  QRandomGenerator random(20261207);
  for (int ratio : {1, 2}) {
    const QImage whole(ratio == 1 ? kNormal : kSharp);
    QVERIFY(!whole.isNull());
    for (int i = 0; i < 150; ++i) {
      const QRect wanted(random.bounded(1000), random.bounded(520), 1 + random.bounded(200),
                         1 + random.bounded(120));
      const QString mismatch = Mismatch(whole, wanted, ratio);
      QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    }
  }
}

void BackgroundPictureTest::NothingLiesBeyondThePicture() {
  for (const QRect& wanted : {QRect(1000, 0, 10, 10), QRect(0, 520, 10, 10), QRect()}) {
    const ui::BackgroundPiece piece = ui::BackgroundBeneath(wanted, 1);
    QVERIFY(piece.place.isEmpty());
    QVERIFY(piece.pixels.isNull());
  }
}

void BackgroundPictureTest::DamagedPicture_data() {
  QTest::addColumn<int>("keptBytes");  // of the picture, from its start
  QTest::addColumn<QByteArray>("garbage");
  QTest::newRow("nothing") << 0 << QByteArray();
  QTest::newRow("the start marker only") << 2 << QByteArray();
  QTest::newRow("the headers only") << 600 << QByteArray();
  QTest::newRow("cut off in the middle") << 9000 << QByteArray();
  QTest::newRow("garbage after the headers") << 600 << QByteArray(9000, '\xa5');
  QTest::newRow("no picture at all") << 0 << QByteArray("GIF89a not a JPEG");
}

// A damaged picture yields a whole piece or none, never a crash or a piece of
// another size.
void BackgroundPictureTest::DamagedPicture() {
  QFETCH(int, keptBytes);
  QFETCH(QByteArray, garbage);
  QFile file(kNormal);
  QVERIFY(file.open(QIODevice::ReadOnly));
  QByteArray damaged = file.read(keptBytes) + garbage;
  QBuffer jpeg(&damaged);
  QVERIFY(jpeg.open(QIODevice::ReadOnly));
  const ui::BackgroundPiece piece = ui::PieceOfPicture(jpeg, QRect(10, 20, 300, 200), 1);
  QVERIFY(piece.pixels.isNull() || piece.pixels.size() == QSize(300, 200));
  QCOMPARE(piece.place.isEmpty(), piece.pixels.isNull());
}

}  // namespace welvaro::testing

QTEST_MAIN(welvaro::testing::BackgroundPictureTest)
#include "background_picture_test.moc"
