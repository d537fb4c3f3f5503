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

}  // namespace welvaro::ui
