#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace welvaro::ui {

/// Where a window's frame goes on a screen: centred in the available area
/// along each direction in which it fits, else at that area's left or top
/// edge, so that the title bar and the left edge stay visible.
[[nodiscard]] QPoint FramePosition(QSize frame, const QRect& available);

/// Places a top-level window by its frame now, and once more when the window
/// manager has framed it: only then is the frame's size known.
void PlaceByFrame(QWidget& window);

}  // namespace welvaro::ui
