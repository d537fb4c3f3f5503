#include "parent_console.h"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <windows.h>

#include <cstdio>
#endif

namespace welvaro::ui {

void WriteToParentConsole() {
#ifdef Q_OS_WIN
  // Output that goes to a file or pipe already stays there.
  const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
  if (output != nullptr && output != INVALID_HANDLE_VALUE) return;
  if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
  static_cast<void>(std::freopen("CONOUT$", "w", stdout));
  static_cast<void>(std::freopen("CONOUT$", "w", stderr));
#endif
}

}  // namespace welvaro::ui
