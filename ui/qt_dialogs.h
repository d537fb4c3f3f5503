#pragma once

#include "dialogs.h"

class QWidget;

namespace welvaro::ui {

/// Qt's message box and input dialog, titled with the application title.
/// They belong to the window they are given, so that every window system
/// keeps them above it; on X11 they open centred over it.
class QtDialogs final : public Dialogs {
 public:
  /// The window the dialogs belong to; without one they are free-standing.
  void BelongTo(QWidget* window) { owner_ = window; }

  void ShowMessage(const QString& text, MessageIcon icon) override;
  std::optional<QString> AskText(const QString& prompt) override;

 private:
  QWidget* owner_ = nullptr;
};

}  // namespace welvaro::ui
