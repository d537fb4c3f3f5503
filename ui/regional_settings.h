#pragma once

#include <QLocale>

#include "regional_notation.h"

namespace welvaro::ui {

/// The number notation of a Qt locale; the program passes QLocale::system(),
/// which follows LC_ALL, LC_NUMERIC and LANG.
[[nodiscard]] RegionalNotation NotationOf(const QLocale& locale);

}  // namespace welvaro::ui
