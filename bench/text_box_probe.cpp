// Puts a short text and then 2 MB of text into the program's text box, focused
// in a window of its own, and measures what a screen reader and a user make it
// do: each query of its accessible text interface, each word and line key,
// and the processor time it takes while it only waits with the focus.
//   text_box_probe
// Prints one line per measurement: <text> <what>\t<milliseconds or percent>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTimer>
#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "accessible_interfaces.h"
#include "text_box.h"

namespace {

using welvaro::ui::TextBox;

void Print(const QString& what, double value) {
  std::array<char, 32> digits{};
  const auto end = std::to_chars(digits.begin(), digits.end(), value, std::chars_format::fixed, 1);
  std::printf("%s\t%s\n", what.toUtf8().constData(), std::string(digits.begin(), end.ptr).c_str());
}

double ProcessorMilliseconds() {
  return 1000.0 * static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

void RunEventLoopFor(int milliseconds) {
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec();
}

/// The slowest of a query asked at the places a screen reader asks about.
void MeasureQueries(const QString& name, TextBox& box) {
  QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(&box)->textInterface();
  const int length = text->characterCount();
  const int cursor = text->cursorPosition();
  const std::vector<int> offsets{0, std::max(0, cursor - 3), cursor, length / 2,
                                 std::max(0, length - 1)};
  int start = 0;
  int end = 0;
  const std::vector<std::pair<const char*, std::function<void(int)>>> queries{
      {"character extents", [&](int at) { text->characterRect(at); }},
      {"character at offset",
       [&](int at) { text->textAtOffset(at, QAccessible::CharBoundary, &start, &end); }},
      {"word at offset",
       [&](int at) { text->textAtOffset(at, QAccessible::WordBoundary, &start, &end); }},
      {"word before offset",
       [&](int at) { text->textBeforeOffset(at, QAccessible::WordBoundary, &start, &end); }},
      {"word after offset",
       [&](int at) { text->textAfterOffset(at, QAccessible::WordBoundary, &start, &end); }},
      {"sentence at offset",
       [&](int at) { text->textAtOffset(at, QAccessible::SentenceBoundary, &start, &end); }},
      {"line at offset",
       [&](int at) { text->textAtOffset(at, QAccessible::LineBoundary, &start, &end); }},
      {"offset at point", [&](int) { text->offsetAtPoint(box.mapToGlobal(box.rect().center())); }},
  };
  for (const auto& [query, ask] : queries) {
    double slowest = 0;
    for (const int offset : offsets) {
      QElapsedTimer timer;
      timer.start();
      ask(offset);
      slowest = std::max(slowest, static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    Print(name + QStringLiteral(" query, slowest (ms): ") + QLatin1String(query), slowest);
  }
}

/// Each key as the hand gives it, until its paint; then the processor time of
/// the second after it.
void MeasureKeys(const QString& name, TextBox& box) {
  const Qt::KeyboardModifiers word = Qt::ControlModifier;
  const Qt::KeyboardModifiers selectWord = Qt::ControlModifier | Qt::ShiftModifier;
  const std::vector<std::tuple<const char*, Qt::Key, Qt::KeyboardModifiers>> keys{
      {"Home", Qt::Key_Home, Qt::NoModifier},
      {"End", Qt::Key_End, Qt::NoModifier},
      {"Ctrl+Left", Qt::Key_Left, word},
      {"Ctrl+Right", Qt::Key_Right, word},
      {"Ctrl+Shift+Left", Qt::Key_Left, selectWord},
      {"Ctrl+Shift+Right", Qt::Key_Right, selectWord},
  };
  for (const auto& [key, code, modifiers] : keys) {
    QElapsedTimer timer;
    timer.start();
    QKeyEvent press(QEvent::KeyPress, code, modifiers);
    QKeyEvent release(QEvent::KeyRelease, code, modifiers);
    QApplication::sendEvent(&box, &press);
    QApplication::sendEvent(&box, &release);
    QApplication::processEvents();
    Print(name + QStringLiteral(" key until painted (ms): ") + QLatin1String(key),
          static_cast<double>(timer.nsecsElapsed()) / 1e6);
    const double before = ProcessorMilliseconds();
    RunEventLoopFor(1000);
    Print(name + QStringLiteral(" key, processor in the second after (ms): ") + QLatin1String(key),
          ProcessorMilliseconds() - before);
  }
}

void Measure(const QString& name, const QString& pasted) {
  TextBox box;
  box.resize(113, 25);
  box.show();
  box.activateWindow();
  box.setFocus();
  for (int wait = 0; wait < 100 && !box.hasFocus(); ++wait) RunEventLoopFor(20);
  if (!box.hasFocus()) std::fprintf(stderr, "text_box_probe: the box did not get the focus\n");

  QApplication::clipboard()->setText(pasted);
  QElapsedTimer timer;
  timer.start();
  QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier);
  QApplication::sendEvent(&box, &paste);
  QApplication::processEvents();
  Print(name + QStringLiteral(" paste until painted (ms)"),
        static_cast<double>(timer.nsecsElapsed()) / 1e6);
  if (box.text() != pasted) std::fprintf(stderr, "text_box_probe: the paste was not whole\n");
  RunEventLoopFor(2000);

  const double before = ProcessorMilliseconds();
  RunEventLoopFor(5000);
  Print(name + QStringLiteral(" idle with the focus (% of a core)"),
        (ProcessorMilliseconds() - before) / 50.0);
  MeasureQueries(name, box);
  MeasureKeys(name, box);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  welvaro::ui::InstallAccessibleInterfaces();
  Measure(QStringLiteral("7,1:"), QStringLiteral("7,1"));
  Measure(QStringLiteral("2 MB:"), QStringLiteral("1234567 ").repeated(256 * 1024));
  return 0;
}
