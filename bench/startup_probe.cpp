// Starts a program and measures, on the X display of $DISPLAY, the time until
// a top-level window with the given name is mapped and until it is painted
// (the row through its middle is no longer one colour), and the resident
// memory one second after start. With --settle, the program is given that many
// seconds after its first paint before it is ended (to let a profiler see it
// reach its idle event loop).
//   startup_probe [--settle seconds] "<window name>" <program> [arguments...]
// Prints: <milliseconds to mapped> <milliseconds to painted> <resident kB>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>

#include "x11_windows.h"

namespace {

bool MiddleRowPainted(Display* display, Window window) {
  XWindowAttributes attributes;
  if (XGetWindowAttributes(display, window, &attributes) == 0 ||
      attributes.map_state != IsViewable) {
    return false;
  }
  // One row through the middle: it crosses text in both windows, and reading
  // it costs the same small time whatever the window's size.
  XImage* row =
      XGetImage(display, window, 0, attributes.height / 2, attributes.width, 1, AllPlanes, ZPixmap);
  if (row == nullptr) return false;
  const bool painted = bench::ShowsMoreThanOneColour(row);
  XDestroyImage(row);
  return painted;
}

long ResidentKilobytes(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  }
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  int first = 1;
  double settleSeconds = -1;
  if (argc > 2 && std::strcmp(argv[1], "--settle") == 0) {
    settleSeconds = std::atof(argv[2]);
    first = 3;
  }
  if (argc < first + 2) {
    std::fprintf(
        stderr, "usage: startup_probe [--settle seconds] <window name> <program> [arguments...]\n");
    return 2;
  }
  const char* name = argv[first];
  Display* display = bench::OpenDisplay();
  if (display == nullptr) {
    std::fprintf(stderr, "startup_probe: no X display\n");
    return 2;
  }
  const auto start = bench::Clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execvp(argv[first + 1], argv + first + 1);
    _exit(127);
  }
  Window window = 0;
  double mapped = -1;
  double painted = -1;
  const auto patience = std::chrono::seconds(settleSeconds < 0 ? 20 : 120);
  while (bench::Clock::now() - start < patience) {
    if (window == 0) {
      window = bench::FindViewableWindow(display, name);
      if (window != 0) mapped = bench::MillisecondsSince(start);
    }
    if (window != 0 && MiddleRowPainted(display, window)) {
      painted = bench::MillisecondsSince(start);
      break;
    }
    std::this_thread::sleep_for(std::chrono::microseconds(500));
  }
  if (settleSeconds < 0) {
    std::this_thread::sleep_until(start + std::chrono::seconds(1));
  } else {
    std::this_thread::sleep_for(std::chrono::duration<double>(settleSeconds));
  }
  const long resident = ResidentKilobytes(child);
  kill(child, SIGTERM);
  waitpid(child, nullptr, 0);
  XCloseDisplay(display);
  std::printf("%.1f %.1f %ld\n", mapped, painted, resident);
  return painted < 0 ? 1 : 0;
}
