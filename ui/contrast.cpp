#include "contrast.h"

#include <QImage>
#include <QRect>
#include <algorithm>
#include <array>
#include <cmath>

namespace welvaro::ui {
namespace {

// Normal text needs 4.5:1; a frame or other graphic 3:1.
constexpr double kReadableText = 4.5;
constexpr double kVisibleGraphic = 3.0;

double RelativeLuminance(QRgb rgb) {
  // Each channel's linear light, already weighted by its share of luminance.
  using Weighted = std::array<double, 256>;
  static const std::array<Weighted, 3> kWeighted = [] {
    std::array<Weighted, 3> weighted{};
    for (std::size_t level = 0; level < 256; ++level) {
      const double channel = static_cast<double>(level) / 255.0;
      const double linear =
          channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
      weighted[0][level] = 0.2126 * linear;
      weighted[1][level] = 0.7152 * linear;
      weighted[2][level] = 0.0722 * linear;
    }
    return weighted;
  }();
  return kWeighted[0][qRed(rgb)] + kWeighted[1][qGreen(rgb)] + kWeighted[2][qBlue(rgb)];
}

double RatioOf(double firstLuminance, double secondLuminance) {
  const auto [darker, lighter] = std::minmax(firstLuminance, secondLuminance);
  return (lighter + 0.05) / (darker + 0.05);
}

struct LuminanceRange {
  double darkest = 1.0;
  double lightest = 0.0;
};

LuminanceRange RangeIn(const QImage& image, const QRect& area) {
  // Whole scan lines rather than QImage::pixel, which decodes every pixel
  // on its own: this runs for several labels while the window is built.
  const QImage rgb = image.depth() == 32 ? image : image.convertToFormat(QImage::Format_RGB32);
  const QRect inside = area & rgb.rect();
  LuminanceRange range;
  const QRgb* above = nullptr;
  for (int y = inside.top(); y <= inside.bottom(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    // Rows often repeat the one above, and neighbours share a colour: a
    // colour seen there counts once.
    if (above != nullptr &&
        std::equal(line + inside.left(), line + inside.right() + 1, above + inside.left())) {
      continue;
    }
    for (int x = inside.left(); x <= inside.right(); ++x) {
      if ((x > inside.left() && line[x] == line[x - 1]) ||
          (above != nullptr && line[x] == above[x])) {
        continue;
      }
      const double luminance = RelativeLuminance(line[x]);
      range.darkest = std::min(range.darkest, luminance);
      range.lightest = std::max(range.lightest, luminance);
    }
    above = line;
  }
  return range;
}

// The ratio grows with the distance between the luminances, so the least
// contrast is against the nearer end of the range, or none inside it.
double LeastContrast(QColor text, const LuminanceRange& range) {
  const double luminance = RelativeLuminance(text.rgb());
  if (luminance < range.darkest) return RatioOf(luminance, range.darkest);
  if (luminance > range.lightest) return RatioOf(luminance, range.lightest);
  return 1.0;
}

}  // namespace

double ContrastRatio(QColor first, QColor second) {
  return RatioOf(RelativeLuminance(first.rgb()), RelativeLuminance(second.rgb()));
}

QColor ReadableTextColour(QColor wanted, const QImage& beneath, const QRect& area) {
  const LuminanceRange range = RangeIn(beneath, area);
  if (LeastContrast(wanted, range) >= kReadableText) return wanted;
  const QColor black(0, 0, 0);
  const QColor white(255, 255, 255);
  const double onBlack = LeastContrast(black, range);
  return onBlack >= kReadableText || onBlack >= LeastContrast(white, range) ? black : white;
}

QColor ContrastingColour(QColor wanted, QColor fallback, QColor neighbour) {
  return ContrastRatio(wanted, neighbour) >= kVisibleGraphic ? wanted : fallback;
}

}  // namespace welvaro::ui
