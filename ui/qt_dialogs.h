#pragma once

#include "dialogs.h"

namespace welvaro::ui {

/// Qt's message box and input dialog, titled with the application title and
/// centred over the active window.
class QtDialogs final : public Dialogs {
 public:
  void ShowMessage(const QString& text, MessageIcon icon) override;
  std::optional<QString> AskText(const QString& prompt) override;
};

}  // namespace welvaro::ui
