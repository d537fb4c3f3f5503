#pragma once

#include <QPixmap>
#include <QSize>

namespace welvaro::ui {

/// The background picture as the window shows it: the part of `visible`
/// logical pixels at its top-left corner, at `ratio` device pixels to each
/// (1, or 2 on a high-resolution screen, which gets its own sharper picture).
[[nodiscard]] QPixmap VisibleBackground(QSize visible, int ratio);

}  // namespace welvaro::ui
