#pragma once

#include <QStringList>
#include <optional>

namespace welvaro::ui {

/// Answers --help and --version on standard output before any window system
/// is reached, so that both work without a display; the exit code when it
/// answered.
[[nodiscard]] std::optional<int> AnswerInformationOptions(int argc, char** argv);

/// The arguments left once the application has taken Qt's own options
/// (-platform, -style, ...): true when there are none; else names the first
/// on standard error.
[[nodiscard]] bool NothingElseGiven(const QStringList& arguments);

/// The arguments without the options QGuiApplication and QApplication
/// document as theirs, and their values: what the application would leave of
/// them, for when it cannot be made.
[[nodiscard]] QStringList WithoutQtOptions(const QStringList& arguments);

}  // namespace welvaro::ui
