#pragma once

class QApplication;

namespace welvaro::ui {

/// Gives the application its identity and its German dialog buttons.
void SetUpApplication(QApplication& application);

}  // namespace welvaro::ui
