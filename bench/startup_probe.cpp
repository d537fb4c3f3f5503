// Starts a program and measures, on the X display of $DISPLAY, the time until
// a top-level window with the given name is mapped and painted (the row
// through its middle is no longer one colour), and the resident memory one second after start.
//   startup_probe "<window name>" <program> [arguments...]
// Prints: <milliseconds> <resident kB>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

Window FindWindow(Display* display, Window parent, const char* name) {
  Window root = 0;
  Window unused = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  if (XQueryTree(display, parent, &root, &unused, &children, &count) == 0) return 0;
  Window found = 0;
  for (unsigned int i = 0; i < count && found == 0; ++i) {
    char* title = nullptr;
    if (XFetchName(display, children[i], &title) != 0 && title != nullptr) {
      if (std::strcmp(title, name) == 0) found = children[i];
      XFree(title);
    }
  }
  if (children != nullptr) XFree(children);
  return found;
}

bool IsPainted(Display* display, Window window) {
  XWindowAttributes attributes;
  if (XGetWindowAttributes(display, window, &attributes) == 0 ||
      attributes.map_state != IsViewable) {
    return false;
  }
  // One row through the middle: it crosses text in both windows, and reading
  // it costs the same small time whatever the window's size.
  XImage* image =
      XGetImage(display, window, 0, attributes.height / 2, attributes.width, 1, AllPlanes, ZPixmap);
  if (image == nullptr) return false;
  const unsigned long first = XGetPixel(image, 0, 0);
  bool varied = false;
  for (int x = 1; x < attributes.width && !varied; ++x) varied = XGetPixel(image, x, 0) != first;
  XDestroyImage(image);
  return varied;
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
  if (argc < 3) {
    std::fprintf(stderr, "usage: startup_probe <window name> <program> [arguments...]\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "startup_probe: no X display\n");
    return 2;
  }
  const auto start = Clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execvp(argv[2], argv + 2);
    _exit(127);
  }
  Window window = 0;
  double milliseconds = -1;
  while (Clock::now() - start < std::chrono::seconds(20)) {
    if (window == 0) window = FindWindow(display, DefaultRootWindow(display), argv[1]);
    if (window != 0 && IsPainted(display, window)) {
      milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
      break;
    }
    std::this_thread::sleep_for(std::chrono::microseconds(500));
  }
  std::this_thread::sleep_until(start + std::chrono::seconds(1));
  const long resident = ResidentKilobytes(child);
  kill(child, SIGTERM);
  waitpid(child, nullptr, 0);
  XCloseDisplay(display);
  std::printf("%.1f %ld\n", milliseconds, resident);
  return milliseconds < 0 ? 1 : 0;
}
