#include "application.h"

#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QLibraryInfo>
#include <QPixmap>
#include <QTranslator>
#include <QWidget>

#include "accessible_interfaces.h"
#include "texts.h"
#include "window_placement.h"

namespace welvaro::ui {

void SetUpApplication(QApplication& application) {
  // The display name is left to follow the application name: once set, Qt
  // would append it to the caption of the main window.
  QApplication::setApplicationName(texts::window::kApplicationTitle.toString());
  QApplication::setApplicationVersion(QStringLiteral(WELVARO_VERSION));
  QApplication::setDesktopFileName(QStringLiteral("welvaro"));
  InstallAccessibleInterfaces();

  // 64 pixels serve the 32-pixel icon on a high-resolution screen; larger
  // sizes come from the icon theme, and each image here costs start-up time.
  // Read as PNG by name: QIcon::addFile would ask every image-format plugin
  // about each file, loading plugins and the SVG module the icon never needs.
  QIcon icon;
  for (int size : {16, 32, 64}) {
    QImageReader reader(QStringLiteral(":/welvaro/welvaro-%1.png").arg(size), "png");
    reader.setAutoDetectImageFormat(false);
    icon.addPixmap(QPixmap::fromImage(reader.read()));
  }
  QApplication::setWindowIcon(icon);

  // Every text is German, so the buttons of Qt's own dialogs are too, in
  // whatever locale the desktop runs.
  auto* translator = new QTranslator(&application);
  if (translator->load(QStringLiteral("qtbase_de"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(translator);
  }
}

void ShowCentred(QWidget& window) {
  PlaceByFrame(window);
  window.show();
}

}  // namespace welvaro::ui
