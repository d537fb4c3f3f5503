#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "dialogs.h"

namespace welvaro::testing {

/// Answers prompts from a script and records everything shown, one line per
/// dialog: "prompt: …", "warning: …" or "message: …".
class ScriptedDialogs final : public ui::Dialogs {
 public:
  /// Stands for pressing Cancel in a script of answers.
  static QString Cancel() { return QStringLiteral("<cancel>"); }

  /// The answers to the coming prompts in order.
  void Answer(const QStringList& answers) { answers_ = answers; }

  void ShowMessage(const QString& text, ui::MessageIcon icon) override {
    shown_ << (icon == ui::MessageIcon::Warning ? QStringLiteral("warning: ")
                                                : QStringLiteral("message: ")) +
                  text;
  }

  std::optional<QString> AskText(const QString& prompt) override {
    shown_ << QStringLiteral("prompt: ") + prompt;
    if (answers_.empty()) {
      shown_ << QStringLiteral("unscripted prompt");
      return std::nullopt;
    }
    const QString answer = answers_.takeFirst();
    if (answer == Cancel()) return std::nullopt;
    return answer;
  }

  [[nodiscard]] const QStringList& Shown() const { return shown_; }
  [[nodiscard]] bool AllAnswersUsed() const { return answers_.empty(); }

 private:
  QStringList answers_;
  QStringList shown_;
};

}  // namespace welvaro::testing
