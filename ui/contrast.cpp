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

double RelativeLuminance(QColor colour) {
  static const std::array<double, 256> kLinear = [] {
    std::array<double, 256> linear{};
    for (std::size_t level = 0; level < linear.size(); ++level) {
      const double channel = static_cast<double>(level) / 255.0;
      linear[level] =
          channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    }
    return linear;
  }();
  const QRgb rgb = colour.rgb();
  return 0.2126 * kLinear[qRed(rgb)] + 0.7152 * kLinear[qGreen(rgb)] + 0.0722 * kLinear[qBlue(rgb)];
}

}  // namespace

double ContrastRatio(QColor first, QColor second) {
  const auto [darker, lighter] = std::minmax(RelativeLuminance(first), RelativeLuminance(second));
  return (lighter + 0.05) / (darker + 0.05);
}

double LeastContrast(QColor text, const QImage& image, const QRect& area) {
  const QRect inside = area & image.rect();
  double least = 21.0;
  for (int y = inside.top(); y <= inside.bottom(); ++y) {
    for (int x = inside.left(); x <= inside.right(); ++x) {
      least = std::min(least, ContrastRatio(text, image.pixelColor(x, y)));
    }
  }
  return least;
}

QColor ReadableTextColour(QColor wanted, const QImage& beneath, const QRect& area) {
  if (LeastContrast(wanted, beneath, area) >= kReadableText) return wanted;
  const QColor black(0, 0, 0);
  const QColor white(255, 255, 255);
  const double onBlack = LeastContrast(black, beneath, area);
  return onBlack >= kReadableText || onBlack >= LeastContrast(white, beneath, area) ? black : white;
}

QColor ContrastingColour(QColor wanted, QColor fallback, QColor neighbour) {
  return ContrastRatio(wanted, neighbour) >= kVisibleGraphic ? wanted : fallback;
}

}  // namespace welvaro::ui
