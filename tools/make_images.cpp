// Writes the background picture and the program icon into a folder:
//   make_images <folder>
// The background is stored as a baseline JPEG at the quality whose file size
// comes closest to the designed 18157 bytes.
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QList>
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

QByteArray EncodePng(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "png");
  return bytes;
}

void AppendLittleEndian(QByteArray& bytes, quint32 value, int size) {
  for (int i = 0; i < size; ++i) bytes.append(static_cast<char>((value >> (8 * i)) & 0xff));
}

/// A Windows icon file holding the images as PNG, which Windows reads in
/// icons of every size since Vista.
QByteArray EncodeIco(const QList<QImage>& images) {
  constexpr int kHeaderBytes = 6;
  constexpr int kEntryBytes = 16;
  QByteArray header;
  AppendLittleEndian(header, 0, 2);  // reserved
  AppendLittleEndian(header, 1, 2);  // an icon, not a cursor
  AppendLittleEndian(header, static_cast<quint32>(images.size()), 2);
  QByteArray data;
  quint32 offset = kHeaderBytes + kEntryBytes * static_cast<quint32>(images.size());
  for (const QImage& image : images) {
    const QByteArray png = EncodePng(image);
    // Width and height 256 are written as 0.
    header.append(static_cast<char>(image.width() & 0xff));
    header.append(static_cast<char>(image.height() & 0xff));
    AppendLittleEndian(header, 0, 2);   // no palette, reserved
    AppendLittleEndian(header, 1, 2);   // colour planes
    AppendLittleEndian(header, 32, 2);  // bits per pixel
    AppendLittleEndian(header, static_cast<quint32>(png.size()), 4);
    AppendLittleEndian(header, offset, 4);
    offset += static_cast<quint32>(png.size());
    data.append(png);
  }
  return header + data;
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
  Write(folder, QStringLiteral("welvaro-16.png"), EncodePng(small));
  Write(folder, QStringLiteral("welvaro-32.png"), EncodePng(large));
  QList<QImage> windowsIcon{small, large};
  for (int size : {48, 64, 256}) {
    const QImage icon = DrawIcon(size);
    Write(folder, QStringLiteral("welvaro-%1.png").arg(size), EncodePng(icon));
    if (size != 64) windowsIcon.append(icon);
  }
  Write(folder, QStringLiteral("welvaro.svg"), IconSvg());
  // The program file's icon on Windows, shown by Explorer and the taskbar.
  Write(folder, QStringLiteral("welvaro.ico"), EncodeIco(windowsIcon));
  return EXIT_SUCCESS;
}
