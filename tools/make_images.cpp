// Writes the background picture and the program icon into a folder:
//   make_images <folder>
// The background is stored as a baseline JPEG at the quality whose file size
// comes closest to the designed 18157 bytes.
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <cstdio>
#include <cstdlib>

#include "background_picture.h"
#include "program_icon.h"

namespace {

constexpr qint64 kDesignedPictureBytes = 18157;

QByteArray EncodeJpeg(const QImage& image, int quality) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "jpeg");
  writer.setQuality(quality);
  writer.setOptimizedWrite(true);
  if (!writer.write(image)) {
    std::fprintf(stderr, "JPEG encoding failed: %s\n", qPrintable(writer.errorString()));
    std::exit(EXIT_FAILURE);
  }
  return bytes;
}

int QualityNearestDesignedSize(const QImage& image) {
  int best = 50;
  qint64 bestDistance = -1;
  for (int quality = 30; quality <= 100; ++quality) {
    const qint64 distance = std::abs(EncodeJpeg(image, quality).size() - kDesignedPictureBytes);
    if (bestDistance < 0 || distance < bestDistance) {
      best = quality;
      bestDistance = distance;
    }
  }
  return best;
}

void Write(const QDir& folder, const QString& name, const QByteArray& bytes) {
  QFile file(folder.filePath(name));
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
    std::exit(EXIT_FAILURE);
  }
  std::printf("%s: %lld bytes\n", qPrintable(name), static_cast<long long>(bytes.size()));
}

void WritePng(const QDir& folder, const QString& name, const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "png");
  Write(folder, name, bytes);
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_images <folder>\n");
    return EXIT_FAILURE;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));

  const QImage background = DrawBackground(1);
  const int quality = QualityNearestDesignedSize(background);
  Write(folder, QStringLiteral("background.jpg"), EncodeJpeg(background, quality));
  Write(folder, QStringLiteral("background@2x.jpg"), EncodeJpeg(DrawBackground(2), quality));

  const QImage small = DrawPaletteIcon(16);
  const QImage large = DrawPaletteIcon(32);
  WritePng(folder, QStringLiteral("welvaro-16.png"), small);
  WritePng(folder, QStringLiteral("welvaro-32.png"), large);
  for (int size : {48, 64, 256}) {
    WritePng(folder, QStringLiteral("welvaro-%1.png").arg(size), DrawIcon(size));
  }
  Write(folder, QStringLiteral("welvaro.svg"), IconSvg());
  return EXIT_SUCCESS;
}
