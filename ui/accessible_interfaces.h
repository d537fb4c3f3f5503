#pragma once

namespace welvaro::ui {

/// Gives the program's line edits, and before Qt 6.8 the notices of its
/// announcer, the accessible interfaces a screen reader reads them through.
/// Once, before the first window is built; later calls do nothing.
void InstallAccessibleInterfaces();

}  // namespace welvaro::ui
