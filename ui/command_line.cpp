#include "command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <cstdio>
#include <string_view>

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

struct QtOption {
  std::u16string_view name;
  bool takesValue;
};

// As the reference of QGuiApplication and QApplication lists them, X11's
// included; each may also be written with two dashes or as name=value.
constexpr std::array<QtOption, 17> kQtOptions = {{
    {u"platform", true},
    {u"platformpluginpath", true},
    {u"platformtheme", true},
    {u"plugin", true},
    {u"qmljsdebugger", false},
    {u"qwindowgeometry", true},
    {u"qwindowicon", true},
    {u"qwindowtitle", true},
    {u"reverse", false},
    {u"session", true},
    {u"display", true},
    {u"geometry", true},
    {u"style", true},
    {u"stylesheet", true},
    {u"widgetcount", false},
    {u"nograb", false},
    {u"dograb", false},
}};

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

QStringList WithoutQtOptions(const QStringList& arguments) {
  QStringList left = arguments.mid(0, 1);
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    QStringView word = arguments[i];
    if (!word.startsWith(u'-')) {
      left << arguments[i];
      continue;
    }
    word = word.mid(word.startsWith(u"--") ? 2 : 1);
    const qsizetype equals = word.indexOf(u'=');
    const QStringView name = equals < 0 ? word : word.left(equals);
    const auto* option = std::ranges::find_if(kQtOptions, [&](const QtOption& qt) {
      return name == QStringView(qt.name.data(), static_cast<qsizetype>(qt.name.size()));
    });
    if (option == kQtOptions.end()) {
      left << arguments[i];
    } else if (option->takesValue && equals < 0) {
      ++i;
    }
  }
  return left;
}

}  // namespace welvaro::ui
