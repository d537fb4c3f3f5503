#pragma once

class QApplication;
class QWidget;

namespace welvaro::ui {

/// Gives the application its identity and its German dialog buttons.
void SetUpApplication(QApplication& application);

/// Shows a top-level window centred on the screen it opens on.
void ShowCentred(QWidget& window);

}  // namespace welvaro::ui
