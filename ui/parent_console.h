#pragma once

namespace welvaro::ui {

/// On Windows the program has no console of its own. Started from one, its
/// answers to --help, --version and unknown options are written there; started
/// otherwise, Qt shows help and version in a message box. Elsewhere a no-op.
void WriteToParentConsole();

}  // namespace welvaro::ui
