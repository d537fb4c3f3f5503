#include <QApplication>
#include <QLocale>
#include <cstdlib>
#include <optional>

#include "application.h"
#include "command_line.h"
#include "form1.h"
#include "parent_console.h"
#include "qt_dialogs.h"
#include "regional_settings.h"
#include "window_system_check.h"

int main(int argc, char** argv) {
  welvaro::ui::WriteToParentConsole();
  if (const std::optional<int> answered = welvaro::ui::AnswerInformationOptions(argc, argv)) {
    return *answered;
  }
  std::optional<welvaro::ui::WindowSystemCheck> check(std::in_place, argc, argv);
  QApplication application(argc, argv);
  check.reset();
  if (!welvaro::ui::NothingElseGiven(QCoreApplication::arguments())) return EXIT_FAILURE;
  welvaro::ui::SetUpApplication(application);

  welvaro::ui::QtDialogs dialogs;
  welvaro::ui::Form1 window(dialogs, welvaro::ui::NotationOf(QLocale::system()));
  dialogs.BelongTo(&window);
  welvaro::ui::ShowCentred(window);
  return QApplication::exec();
}
