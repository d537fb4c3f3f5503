#pragma once

class QApplication;
class QWidget;

namespace welvaro::ui {

/// Gives the application its identity and its German dialog buttons.
void SetUpApplication(QApplication& application);

/// Shows a top-level window centred by its frame on the screen it opens on,
/// or where it does not fit, with its title bar and left edge on the screen.
void ShowCentred(QWidget& window);

}  // namespace welvaro::ui
