#include "background_picture.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QString>
#include <utility>

namespace welvaro::ui {

BackgroundPiece BackgroundBeneath(QRect wanted, int ratio) {
  QFile jpeg(ratio == 2 ? QStringLiteral(":/welvaro/background@2x.jpg")
                        : QStringLiteral(":/welvaro/background.jpg"));
  if (wanted.isEmpty() || !jpeg.open(QIODevice::ReadOnly)) return {};
  return PieceOfPicture(jpeg, wanted, ratio);
}

BackgroundPiece PieceOfPicture(QIODevice& jpeg, QRect wanted, int ratio) {
  // Named, so that no other image-format plugin is asked about the picture.
  QImageReader reader(&jpeg, "jpeg");
  reader.setAutoDetectImageFormat(false);
  // The reader decodes no row below the clip rectangle, and gives what of it
  // lies on the picture.
  const QRect device(wanted.topLeft() * ratio, wanted.size() * ratio);
  reader.setClipRect(device);
  QImage picture = reader.read();
  const QRect read(device.topLeft(), picture.size());
  if (picture.isNull() || !device.contains(read)) return {};
  QPixmap pixels = QPixmap::fromImage(std::move(picture));
  pixels.setDevicePixelRatio(ratio);
  return {QRect(read.topLeft() / ratio, read.size() / ratio), std::move(pixels)};
}

BackgroundPiece PartOf(const BackgroundPiece& piece, QRect wanted) {
  const QRect place = wanted & piece.place;
  if (place.isEmpty()) return {};
  const auto ratio = static_cast<int>(piece.pixels.devicePixelRatio());
  const QRect device((place.topLeft() - piece.place.topLeft()) * ratio, place.size() * ratio);
  QPixmap pixels = piece.pixels.copy(device);
  pixels.setDevicePixelRatio(ratio);
  return {place, std::move(pixels)};
}

}  // namespace welvaro::ui
