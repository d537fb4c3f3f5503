#pragma once

#include <QPixmap>
#include <QRect>

class QIODevice;

namespace welvaro::ui {

/// A piece of the background picture and its place in the window, in logical pixels.
struct BackgroundPiece {
  QRect place;
  QPixmap pixels;
};

/// The background picture where it lies beneath `wanted`, a rectangle of the
/// window in logical pixels; the picture lies unscaled at the window's top-left
/// corner, at `ratio` device pixels to each logical one (1, or 2 on a
/// high-resolution screen, which gets its own sharper picture). Whatever of
/// `wanted` lies beyond the picture is left out.
[[nodiscard]] BackgroundPiece BackgroundBeneath(QRect wanted, int ratio);

/// The same from any JPEG picture; nothing where it cannot be read.
[[nodiscard]] BackgroundPiece PieceOfPicture(QIODevice& jpeg, QRect wanted, int ratio);

/// The part of `piece` that lies within `wanted`, copied: the rest of it can be let go.
[[nodiscard]] BackgroundPiece PartOf(const BackgroundPiece& piece, QRect wanted);

}  // namespace welvaro::ui
