#include "background_picture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace {

constexpr int kWidth = 1000;
constexpr int kHeight = 520;
constexpr double kPi = 3.14159265358979;

const QColor kNearWhite(252, 252, 254);
const QColor kBlueGrey(191, 203, 227);
const QColor kLightBlue(107, 149, 209);
const QColor kMediumBlue(28, 62, 136);
const QColor kNavy(1, 14, 49);

/// Top edge of the wave: half the height at the left, three quarters at the
/// right, with a gentle swell so that it reads as a wave.
double WaveTop(double x) {
  const double t = x / kWidth;
  return kHeight * (0.5 + 0.25 * t) + 9.0 * std::sin(2.5 * kPi * t) * (1.0 - 0.5 * t);
}

QPainterPath BandBelow(double offset) {
  QPainterPath path;
  path.moveTo(0, WaveTop(0) + offset);
  for (int x = 4; x <= kWidth; x += 4) path.lineTo(x, WaveTop(x) + offset);
  path.lineTo(kWidth, kHeight);
  path.lineTo(0, kHeight);
  path.closeSubpath();
  return path;
}

}  // namespace

QImage DrawBackground(int scale) {
  QImage image(kWidth * scale, kHeight * scale, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(scale, scale);

  QLinearGradient sky(0, 0, kWidth, 0);
  sky.setColorAt(0.0, kBlueGrey);
  sky.setColorAt(0.55, kNearWhite);
  sky.setColorAt(1.0, QColor(236, 240, 248));
  painter.fillRect(QRectF(0, 0, kWidth, kHeight), sky);
  QRadialGradient glow(QPointF(560, 0), 520);
  glow.setColorAt(0.0, kNearWhite);
  glow.setColorAt(1.0, QColor(252, 252, 254, 0));
  painter.fillRect(QRectF(0, 0, kWidth, kHeight), glow);

  painter.setPen(Qt::NoPen);
  painter.setBrush(kLightBlue);
  painter.drawPath(BandBelow(0));
  painter.setBrush(kMediumBlue);
  painter.drawPath(BandBelow(22));
  QLinearGradient deep(0, kHeight * 0.6, 0, kHeight);
  deep.setColorAt(0.0, QColor(4, 22, 70));
  deep.setColorAt(0.35, kNavy);
  deep.setColorAt(1.0, kNavy);
  painter.setBrush(deep);
  painter.drawPath(BandBelow(48));
  return image;
}
