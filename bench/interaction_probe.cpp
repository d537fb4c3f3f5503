// Starts Welvaro on the X display of $DISPLAY and, once its window is painted,
// clicks as a user would (XTest) and measures how long the program takes to show:
// - the result of CommandFreq in TextFreq2, after "7.1" was typed into TextFreq;
// - the first prompt of each dialog button, painted, the first and the second time
//   (each prompt and message is then dismissed with Esc).
//   interaction_probe <welvaro executable>
// Prints one line per measurement: <what>\t<milliseconds>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <thread>

#include "x11_windows.h"

namespace {

using namespace std::chrono_literals;

constexpr const char* kWindowName = "Welvaro von Tarsimo";
constexpr const char* kDialogName = "Welvaro";

// Control rectangles in window pixels at 96 dpi (layout twips / 15).
struct Rectangle {
  int x, y, width, height;
  int CentreX() const { return x + width / 2; }
  int CentreY() const { return y + height / 2; }
};
constexpr Rectangle kTextFreq{192, 48, 113, 25};
constexpr Rectangle kCommandFreq{320, 48, 161, 25};
constexpr Rectangle kTextFreq2{496, 48, 113, 25};
struct DialogButton {
  const char* name;
  Rectangle rectangle;
};
constexpr DialogButton kDialogButtons[] = {{"CommandSpule", {24, 392, 161, 25}},
                                           {"CommandDrehko", {24, 424, 161, 25}},
                                           {"CommandLoopInduk", {24, 456, 161, 25}}};

void Click(Display* display, Window window, const Rectangle& where) {
  int x = 0;
  int y = 0;
  bench::WindowOrigin(display, window, x, y);
  XTestFakeMotionEvent(display, -1, x + where.CentreX(), y + where.CentreY(), 0);
  XTestFakeButtonEvent(display, 1, True, 0);
  XTestFakeButtonEvent(display, 1, False, 0);
  XSync(display, False);
}

void Press(Display* display, Window window, KeySym key) {
  XSetInputFocus(display, window, RevertToParent, CurrentTime);
  const KeyCode code = XKeysymToKeycode(display, key);
  XTestFakeKeyEvent(display, code, True, 0);
  XTestFakeKeyEvent(display, code, False, 0);
  XSync(display, False);
}

/// Waits until the rectangle of the window shows something else than it did.
double MillisecondsUntilChanged(Display* display, Window window, const Rectangle& area,
                                XImage* before, bench::Clock::time_point since) {
  while (bench::Clock::now() - since < 10s) {
    XImage* now =
        XGetImage(display, window, area.x, area.y, area.width, area.height, AllPlanes, ZPixmap);
    const bool changed = now != nullptr && bench::Differ(before, now);
    if (now != nullptr) XDestroyImage(now);
    if (changed) return bench::MillisecondsSince(since);
    std::this_thread::sleep_for(500us);
  }
  return -1;
}

/// Whether the dialog shows its own pixels: not one colour (a window not yet
/// painted is black) and not the main window's pixels it was mapped over.
bool DialogPainted(Display* display, Window window, Window dialog, XImage* windowBefore) {
  XImage* image = bench::GrabWindow(display, dialog);
  if (image == nullptr) return false;
  int windowX = 0;
  int windowY = 0;
  int dialogX = 0;
  int dialogY = 0;
  bench::WindowOrigin(display, window, windowX, windowY);
  bench::WindowOrigin(display, dialog, dialogX, dialogY);
  bool painted = bench::ShowsMoreThanOneColour(image);
  if (painted) {
    bool sameAsBeneath = true;
    for (int y = 0; y < image->height && sameAsBeneath; ++y) {
      for (int x = 0; x < image->width && sameAsBeneath; ++x) {
        const int beneathX = dialogX - windowX + x;
        const int beneathY = dialogY - windowY + y;
        const bool inside = beneathX >= 0 && beneathY >= 0 && beneathX < windowBefore->width &&
                            beneathY < windowBefore->height;
        sameAsBeneath =
            inside && XGetPixel(image, x, y) == XGetPixel(windowBefore, beneathX, beneathY);
      }
    }
    painted = !sameAsBeneath;
  }
  XDestroyImage(image);
  return painted;
}

double MillisecondsUntilDialogPainted(Display* display, Window window, XImage* windowBefore,
                                      bench::Clock::time_point since) {
  while (bench::Clock::now() - since < 10s) {
    const Window dialog = bench::FindViewableWindow(display, kDialogName);
    if (dialog != 0 && DialogPainted(display, window, dialog, windowBefore)) {
      return bench::MillisecondsSince(since);
    }
    std::this_thread::sleep_for(500us);
  }
  return -1;
}

/// Esc on every prompt and message until none follows within half a second.
void DismissDialogs(Display* display) {
  auto quietSince = bench::Clock::now();
  Window last = 0;
  while (bench::Clock::now() - quietSince < 500ms) {
    const Window dialog = bench::FindViewableWindow(display, kDialogName, last);
    if (dialog != 0) {
      std::this_thread::sleep_for(100ms);
      Press(display, dialog, XK_Escape);
      last = dialog;
      quietSince = bench::Clock::now();
    }
    std::this_thread::sleep_for(5ms);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: interaction_probe <welvaro executable>\n");
    return 2;
  }
  Display* display = bench::OpenDisplay();
  if (display == nullptr) {
    std::fprintf(stderr, "interaction_probe: no X display\n");
    return 2;
  }
  const pid_t child = fork();
  if (child == 0) {
    execl(argv[1], argv[1], static_cast<char*>(nullptr));
    _exit(127);
  }
  Window window = 0;
  const auto start = bench::Clock::now();
  while (window == 0 && bench::Clock::now() - start < 20s) {
    window = bench::FindViewableWindow(display, kWindowName);
    std::this_thread::sleep_for(10ms);
  }
  int status = 1;
  if (window != 0) {
    std::this_thread::sleep_for(1s);
    Click(display, window, kTextFreq);
    for (KeySym key : {XK_7, XK_period, XK_1}) Press(display, window, key);
    std::this_thread::sleep_for(300ms);
    XImage* before = XGetImage(display, window, kTextFreq2.x, kTextFreq2.y, kTextFreq2.width,
                               kTextFreq2.height, AllPlanes, ZPixmap);
    const auto clicked = bench::Clock::now();
    Click(display, window, kCommandFreq);
    std::printf("CommandFreq: result shown\t%.1f\n",
                MillisecondsUntilChanged(display, window, kTextFreq2, before, clicked));
    XDestroyImage(before);

    for (const char* time : {"first", "second"}) {
      for (const DialogButton& button : kDialogButtons) {
        std::this_thread::sleep_for(300ms);
        XImage* windowBefore = bench::GrabWindow(display, window);
        const auto pressed = bench::Clock::now();
        Click(display, window, button.rectangle);
        std::printf("%s: prompt painted, %s time\t%.1f\n", button.name, time,
                    MillisecondsUntilDialogPainted(display, window, windowBefore, pressed));
        XDestroyImage(windowBefore);
        DismissDialogs(display);
      }
    }
    status = 0;
  }
  kill(child, SIGTERM);
  waitpid(child, nullptr, 0);
  XCloseDisplay(display);
  return status;
}
