#include "program_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <array>
#include <cmath>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979;

// The standard 16-colour palette, in its usual order.
constexpr std::array<QRgb, 16> kPalette = {
    0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080, 0xff008080, 0xffc0c0c0,
    0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00, 0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff};
const QColor kBlack(0, 0, 0);
const QColor kGreen(0, 128, 0);
const QColor kSilver(192, 192, 192);
const QColor kGrey(128, 128, 128);
const QColor kWhite(255, 255, 255);

struct Block {
  QRect area;
  QColor colour;
};

/// The motif on a grid of 32 units, or a coarser one drawn for 16 pixels so
/// that the small image keeps its grid and wave.
struct IconGeometry {
  int grid;
  std::vector<Block> blocks;
  QRect screen;
  double waveAmplitude;
  double waveWidth;
};

IconGeometry Geometry(int grid) {
  if (grid == 16) {
    return {16,
            {{{0, 1, 16, 11}, kBlack},
             {{1, 2, 14, 9}, kSilver},
             {{1, 9, 14, 2}, kGrey},
             {{2, 3, 12, 6}, kBlack},
             {{5, 3, 1, 6}, kGreen},
             {{9, 3, 1, 6}, kGreen},
             {{2, 6, 12, 1}, kGreen},
             {{6, 12, 4, 1}, kBlack},
             {{3, 13, 10, 3}, kBlack},
             {{4, 13, 8, 2}, kGrey}},
            {2, 3, 12, 6},
            2.0,
            0.0};  // a cosmetic pen: one pixel wide
  }
  return {32,
          {{{1, 2, 30, 23}, kBlack},
           {{2, 3, 28, 21}, kSilver},
           {{2, 20, 28, 4}, kGrey},
           {{4, 4, 24, 15}, kGrey},
           {{5, 5, 22, 13}, kBlack},
           {{9, 5, 1, 13}, kGreen},
           {{14, 5, 1, 13}, kGreen},
           {{19, 5, 1, 13}, kGreen},
           {{24, 5, 1, 13}, kGreen},
           {{5, 8, 22, 1}, kGreen},
           {{5, 11, 22, 1}, kGreen},
           {{5, 14, 22, 1}, kGreen},
           {{12, 25, 8, 2}, kBlack},
           {{13, 25, 6, 1}, kGrey},
           {{7, 27, 18, 4}, kBlack},
           {{8, 27, 16, 3}, kSilver},
           {{8, 29, 16, 1}, kGrey}},
          {5, 5, 22, 13},
          4.6,
          1.6};
}

QPainterPath Wave(const IconGeometry& geometry) {
  const QRectF screen(geometry.screen);
  const double middle = screen.center().y();
  QPainterPath path;
  constexpr int kPoints = 64;
  for (int i = 0; i <= kPoints; ++i) {
    const double t = static_cast<double>(i) / kPoints;
    const QPointF point(screen.left() + 0.5 + t * (screen.width() - 1),
                        middle - geometry.waveAmplitude * std::sin(3 * kPi * t));
    if (i == 0) {
      path.moveTo(point);
    } else {
      path.lineTo(point);
    }
  }
  return path;
}

void Paint(QPainter& painter, const IconGeometry& geometry) {
  for (const Block& block : geometry.blocks) painter.fillRect(block.area, block.colour);
  painter.setClipRect(geometry.screen);
  painter.setPen(QPen(kWhite, geometry.waveWidth));
  painter.drawPath(Wave(geometry));
}

int PaletteIndex(QRgb pixel) {
  int best = 0;
  int bestDistance = 1 << 30;
  for (int i = 0; i < static_cast<int>(kPalette.size()); ++i) {
    const int dr = qRed(pixel) - qRed(kPalette[i]);
    const int dg = qGreen(pixel) - qGreen(kPalette[i]);
    const int db = qBlue(pixel) - qBlue(kPalette[i]);
    const int distance = dr * dr + dg * dg + db * db;
    if (distance < bestDistance) {
      best = i;
      bestDistance = distance;
    }
  }
  return best;
}

QString SvgColour(const QColor& colour) { return colour.name(); }

}  // namespace

QImage DrawIcon(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / 32.0, size / 32.0);
  Paint(painter, Geometry(32));
  return image;
}

QImage DrawPaletteIcon(int size) {
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  Paint(painter, Geometry(size == 16 ? 16 : 32));
  painter.end();
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const QRgb pixel = image.pixel(x, y);
      if (qAlpha(pixel) != 0) image.setPixel(x, y, kPalette[PaletteIndex(pixel)]);
    }
  }
  return image;
}

QByteArray IconSvg() {
  const IconGeometry geometry = Geometry(32);
  QString svg =
      QStringLiteral(
          "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
          "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"32\" height=\"32\" viewBox=\"0 0 32 "
          "32\">\n"
          "  <defs><clipPath id=\"screen\"><rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\"/>"
          "</clipPath></defs>\n")
          .arg(geometry.screen.x())
          .arg(geometry.screen.y())
          .arg(geometry.screen.width())
          .arg(geometry.screen.height());
  for (const Block& block : geometry.blocks) {
    svg += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"%5\"/>\n")
               .arg(block.area.x())
               .arg(block.area.y())
               .arg(block.area.width())
               .arg(block.area.height())
               .arg(SvgColour(block.colour));
  }
  QString points;
  const QPainterPath wave = Wave(geometry);
  for (int i = 0; i < wave.elementCount(); ++i) {
    points += QStringLiteral("%1,%2 ")
                  .arg(wave.elementAt(i).x, 0, 'f', 2)
                  .arg(wave.elementAt(i).y, 0, 'f', 2);
  }
  svg += QStringLiteral(
             "  <polyline clip-path=\"url(#screen)\" fill=\"none\" stroke=\"%1\" "
             "stroke-width=\"%2\" points=\"%3\"/>\n</svg>\n")
             .arg(SvgColour(kWhite))
             .arg(geometry.waveWidth)
             .arg(points.trimmed());
  return svg.toUtf8();
}
