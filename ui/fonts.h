#pragma once

#include <QFont>

#include "control_layout.h"

namespace welvaro::ui {

/// The face, size and weight a control's text is drawn in.
[[nodiscard]] QFont FontFor(ControlFont font);

}  // namespace welvaro::ui
