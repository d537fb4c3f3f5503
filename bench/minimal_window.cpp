// The least Qt 6 window that shows one line of text: the yardstick for start-up.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QLabel label(QStringLiteral("Welvaro"));
  label.setWindowTitle(QStringLiteral("Minimal window"));
  label.show();
  return QApplication::exec();
}
