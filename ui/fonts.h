#pragma once

#include <QFont>

#include "window_design.h"

namespace welvaro::ui {

/// The face, size and weight a control's text is drawn in.
[[nodiscard]] QFont FontFor(ControlFont font);

}  // namespace welvaro::ui
