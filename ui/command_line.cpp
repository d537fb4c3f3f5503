#include "command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

#include "texts.h"

namespace welvaro::ui {
namespace {

/// The program's options: Qt's standard --help and --version. Single-dash
/// words are whole options, as Qt's own (-platform, -reverse) are, rather than
/// bundles of one-letter ones.
struct Options {
  Options() {
    QCoreApplication::setApplicationName(texts::window::kApplicationTitle.toString());
    QCoreApplication::setApplicationVersion(QStringLiteral(WELVARO_VERSION));
    parser.setApplicationDescription(QStringLiteral(WELVARO_DESCRIPTION));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
  }
  QCommandLineParser parser;
};

void SayOnStandardError(const QString& text) {
  std::fputs(qPrintable(QStringLiteral("welvaro: ") + text + u'\n'), stderr);
}

}  // namespace

std::optional<int> AnswerInformationOptions(int argc, char** argv) {
  if (argc < 2) return std::nullopt;
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  Options options;
  // Qt's own options are unknown here; they are checked once the application
  // has taken them.
  static_cast<void>(options.parser.parse(arguments));
  const bool help = options.parser.isSet(QStringLiteral("help")) ||
                    options.parser.isSet(QStringLiteral("help-all"));
  const bool version = options.parser.isSet(QStringLiteral("version"));
  if (!help && !version) return std::nullopt;
  // The help names the program as it was called, which Qt reads from a core
  // application; that needs no window system. Both end the program.
  QCoreApplication core(argc, argv);
  if (version) options.parser.showVersion();
  options.parser.showHelp(0);
}

bool NothingElseGiven(const QStringList& arguments) {
  Options options;
  if (!options.parser.parse(arguments)) {
    SayOnStandardError(options.parser.errorText());
    return false;
  }
  const QStringList unexpected = options.parser.positionalArguments();
  if (!unexpected.isEmpty()) {
    SayOnStandardError(QStringLiteral("Unexpected argument '%1'.").arg(unexpected.constFirst()));
    return false;
  }
  return true;
}

}  // namespace welvaro::ui
