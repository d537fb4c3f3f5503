#include "window_system_check.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

#include "command_line.h"

namespace welvaro::ui {
namespace {

struct HeldMessage {
  QtMsgType type;
  QByteArray category;
  QString text;
};

QtMessageHandler previousHandler = nullptr;
std::vector<HeldMessage> heldMessages;
QStringList givenArguments;

void HoldOrFail(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type != QtFatalMsg) {
    heldMessages.push_back({type, QByteArray(context.category), message});
    return;
  }
  if (!NothingElseGiven(WithoutQtOptions(givenArguments))) std::_Exit(EXIT_FAILURE);
  // The first warning names the cause ("could not connect to display :1");
  // Qt's fatal message says only that no plugin could start.
  const QString cause = heldMessages.empty() ? message : heldMessages.front().text;
  const QString line = QStringLiteral("welvaro: cannot open a window: ") +
                       cause.section(u'\n', 0, 0).trimmed() + u'\n';
  std::fputs(line.toLocal8Bit().constData(), stderr);
  std::_Exit(EXIT_FAILURE);
}

}  // namespace

WindowSystemCheck::WindowSystemCheck(int argc, char** argv) {
  for (int i = 0; i < argc; ++i) givenArguments << QString::fromLocal8Bit(argv[i]);
  previousHandler = qInstallMessageHandler(HoldOrFail);
}

WindowSystemCheck::~WindowSystemCheck() {
  qInstallMessageHandler(previousHandler);
  givenArguments.clear();
  for (const auto& [type, category, text] : std::exchange(heldMessages, {})) {
    const QMessageLogger logger(nullptr, 0, nullptr, category.constData());
    switch (type) {
      case QtDebugMsg:
        logger.debug("%ls", qUtf16Printable(text));
        break;
      case QtInfoMsg:
        logger.info("%ls", qUtf16Printable(text));
        break;
      case QtCriticalMsg:
        logger.critical("%ls", qUtf16Printable(text));
        break;
      default:
        logger.warning("%ls", qUtf16Printable(text));
        break;
    }
  }
}

}  // namespace welvaro::ui
