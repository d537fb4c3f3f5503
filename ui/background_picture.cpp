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

/// Decodes only the rows and columns that are ever seen: libjpeg-turbo skips
/// the MCU columns right of them and stops after the last visible row. The
/// settings are libjpeg's defaults (accurate integer DCT, smooth chroma
/// upsampling), so every pixel is the one a whole-picture decode gives.
/// No object with a destructor lives in this frame, for the jump back on error.
bool DecodeInto(jpeg_decompress_struct& info, const QByteArray& jpeg, QSize visible,
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

  // One column more than is seen: smooth upsampling takes the right-hand
  // neighbour's colour into the last visible column, and at the edge of the
  // decoded part it would repeat the edge colour instead.
  JDIMENSION left = 0;
  JDIMENSION width = std::min<JDIMENSION>(info.output_width, visible.width() + 1);
  jpeg_crop_scanline(&info, &left, &width);
  const int height = std::min<int>(static_cast<int>(info.output_height), visible.height());

  // Rows as wide as libjpeg writes them; the image shows the visible columns.
  const qsizetype bytesPerLine = qsizetype{4} * width;
  auto* pixels = static_cast<uchar*>(std::malloc(bytesPerLine * height));
  if (pixels == nullptr) return false;
  picture = QImage(pixels, std::min<int>(static_cast<int>(width), visible.width()), height,
                   bytesPerLine, QImage::Format_RGB32, std::free, pixels);
  while (info.output_scanline < static_cast<JDIMENSION>(height)) {
    JSAMPROW row = pixels + bytesPerLine * info.output_scanline;
    jpeg_read_scanlines(&info, &row, 1);
  }
  return true;
}

}  // namespace

QPixmap VisibleBackground(QSize visible, int ratio) {
  const QByteArray jpeg = QResource(ratio == 2 ? QStringLiteral(":/welvaro/background@2x.jpg")
                                               : QStringLiteral(":/welvaro/background.jpg"))
                              .uncompressedData();
  jpeg_decompress_struct info{};
  QImage picture;
  const bool decoded = DecodeInto(info, jpeg, visible * ratio, picture);
  jpeg_destroy_decompress(&info);
  if (!decoded) return {};
  QPixmap background = QPixmap::fromImage(std::move(picture));
  background.setDevicePixelRatio(ratio);
  return background;
}

}  // namespace welvaro::ui
