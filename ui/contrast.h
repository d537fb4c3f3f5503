#pragma once

#include <QColor>

class QImage;
class QRect;

namespace welvaro::ui {

/// WCAG 2 contrast ratio of two colours, from 1 (same luminance) to 21.
[[nodiscard]] double ContrastRatio(QColor first, QColor second);

/// The wanted text colour where it stays readable on every pixel beneath the
/// area; else black or white, whichever is readable there, dark first.
[[nodiscard]] QColor ReadableTextColour(QColor wanted, const QImage& beneath, const QRect& area);

/// The wanted colour where it stands out against a neighbour; else the
/// fallback.
[[nodiscard]] QColor ContrastingColour(QColor wanted, QColor fallback, QColor neighbour);

}  // namespace welvaro::ui
