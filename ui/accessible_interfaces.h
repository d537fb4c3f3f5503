#pragma once

namespace welvaro::ui {

/// Gives the program's line edits the accessible interface a screen reader
/// reads them through. Once, before the first window is built; later calls do
/// nothing.
void InstallAccessibleInterfaces();

}  // namespace welvaro::ui
