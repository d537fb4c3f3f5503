#pragma once

#include <QString>
#include <optional>

namespace welvaro::ui {

enum class MessageIcon { None, Warning };

/// The modal dialogs the actions open. The program shows Qt's dialogs; tests
/// answer them from a script.
class Dialogs {
 public:
  virtual ~Dialogs() = default;

  /// A message with a single OK button; the answer is of no interest.
  virtual void ShowMessage(const QString& text, MessageIcon icon) = 0;

  /// Asks for one text in an initially empty entry field; nullopt when cancelled.
  virtual std::optional<QString> AskText(const QString& prompt) = 0;
};

}  // namespace welvaro::ui
