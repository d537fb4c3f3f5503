#include "background_picture.h"

#include <QByteArray>
#include <QImage>
#include <QResource>
#include <QString>
#include <QSysInfo>
#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <utility>

// jpeglib.h needs FILE and size_t declared first.
#include <jpeglib.h>

namespace welvaro::ui {
namespace {

struct ErrorManager {
  jpeg_error_mgr standard;
  std::jmp_buf escape;
};

[[noreturn]] void EscapeFromLibjpeg(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->escape, 1);
}

/// Decodes only the rows and columns of `wanted`, in device pixels, which it
/// clips to the picture: libjpeg-turbo skips the MCU columns beside them and
/// the rows above, and stops after the last wanted row. The settings are
/// libjpeg's defaults (accurate integer DCT, smooth chroma upsampling), so
/// every pixel is the one a whole-picture decode gives.
/// No object with a destructor lives in this frame, for the jump back on error.
bool DecodeInto(jpeg_decompress_struct& info, const QByteArray& jpeg, QRect& wanted,
                QImage& picture) {
  ErrorManager errors{};
  info.err = jpeg_std_error(&errors.standard);
  errors.standard.error_exit = EscapeFromLibjpeg;
  if (setjmp(errors.escape) != 0) return false;

  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(jpeg.constData()),
               static_cast<unsigned long>(jpeg.size()));
  jpeg_read_header(&info, TRUE);
  // The byte order of QImage::Format_RGB32, whose unused byte libjpeg-turbo fills with 0xff.
  info.out_color_space =
      QSysInfo::ByteOrder == QSysInfo::LittleEndian ? JCS_EXT_BGRX : JCS_EXT_XRGB;
  jpeg_start_decompress(&info);
  wanted &= QRect(0, 0, static_cast<int>(info.output_width), static_cast<int>(info.output_height));
  if (wanted.isEmpty()) return false;

  // One column more on each side than is wanted: smooth upsampling takes each
  // neighbour's colour into a pixel, and at the edge of the decoded part it
  // would repeat the edge colour instead. libjpeg widens the columns to whole
  // blocks.
  JDIMENSION left = std::max(0, wanted.left() - 1);
  JDIMENSION width = std::min(static_cast<int>(info.output_width), wanted.right() + 2) - left;
  jpeg_crop_scanline(&info, &left, &width);
  jpeg_skip_scanlines(&info, static_cast<JDIMENSION>(wanted.top()));

  // Rows as wide as libjpeg writes them; the image shows the wanted columns.
  const qsizetype bytesPerLine = qsizetype{4} * width;
  auto* pixels = static_cast<uchar*>(std::malloc(bytesPerLine * wanted.height()));
  if (pixels == nullptr) return false;
  picture = QImage(pixels + qsizetype{4} * (wanted.left() - static_cast<int>(left)), wanted.width(),
                   wanted.height(), bytesPerLine, QImage::Format_RGB32, std::free, pixels);
  for (int row = 0; row < wanted.height(); ++row) {
    JSAMPROW rowStart = pixels + bytesPerLine * row;
    jpeg_read_scanlines(&info, &rowStart, 1);
  }
  return true;
}

}  // namespace

BackgroundPiece BackgroundBeneath(QRect wanted, int ratio) {
  if (wanted.isEmpty()) return {};
  const QByteArray jpeg = QResource(ratio == 2 ? QStringLiteral(":/welvaro/background@2x.jpg")
                                               : QStringLiteral(":/welvaro/background.jpg"))
                              .uncompressedData();
  QRect device(wanted.topLeft() * ratio, wanted.size() * ratio);
  jpeg_decompress_struct info{};
  QImage picture;
  const bool decoded = DecodeInto(info, jpeg, device, picture);
  jpeg_destroy_decompress(&info);
  if (!decoded) return {};
  QPixmap pixels = QPixmap::fromImage(std::move(picture));
  pixels.setDevicePixelRatio(ratio);
  return {QRect(device.topLeft() / ratio, device.size() / ratio), std::move(pixels)};
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
