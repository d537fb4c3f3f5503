#include <QApplication>
#include <QLocale>

#include "application.h"
#include "form1.h"
#include "qt_dialogs.h"
#include "regional_settings.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  welvaro::ui::SetUpApplication(application);

  welvaro::ui::QtDialogs dialogs;
  welvaro::ui::Form1 window(dialogs, welvaro::ui::NotationOf(QLocale::system()));
  dialogs.BelongTo(&window);
  welvaro::ui::ShowCentred(window);
  return QApplication::exec();
}
