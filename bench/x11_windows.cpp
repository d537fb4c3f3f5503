#include "x11_windows.h"

#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace bench {

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

namespace {

int IgnoreVanishedWindows(Display* display, XErrorEvent* error) {
  if (error->error_code == BadWindow || error->error_code == BadDrawable ||
      error->error_code == BadMatch) {
    return 0;
  }
  char text[256];
  XGetErrorText(display, error->error_code, text, sizeof text);
  std::fprintf(stderr, "X error: %s (request %d)\n", text, error->request_code);
  std::exit(1);
}

}  // namespace

Display* OpenDisplay() {
  XSetErrorHandler(IgnoreVanishedWindows);
  return XOpenDisplay(nullptr);
}

Window FindViewableWindow(Display* display, const char* name, Window except) {
  Window root = 0;
  Window unused = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  if (XQueryTree(display, DefaultRootWindow(display), &root, &unused, &children, &count) == 0) {
    return 0;
  }
  Window found = 0;
  for (unsigned int i = 0; i < count && found == 0; ++i) {
    if (children[i] == except) continue;
    char* title = nullptr;
    if (XFetchName(display, children[i], &title) != 0 && title != nullptr) {
      XWindowAttributes attributes;
      if (std::strcmp(title, name) == 0 &&
          XGetWindowAttributes(display, children[i], &attributes) != 0 &&
          attributes.map_state == IsViewable) {
        found = children[i];
      }
      XFree(title);
    }
  }
  if (children != nullptr) XFree(children);
  return found;
}

bool ShowsMoreThanOneColour(XImage* image) {
  const unsigned long first = XGetPixel(image, 0, 0);
  for (int y = 0; y < image->height; ++y) {
    for (int x = 0; x < image->width; ++x) {
      if (XGetPixel(image, x, y) != first) return true;
    }
  }
  return false;
}

XImage* GrabWindow(Display* display, Window window) {
  XWindowAttributes attributes;
  if (XGetWindowAttributes(display, window, &attributes) == 0 ||
      attributes.map_state != IsViewable) {
    return nullptr;
  }
  return XGetImage(display, window, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
}

bool Differ(XImage* a, XImage* b) {
  if (a->width != b->width || a->height != b->height) return true;
  for (int y = 0; y < a->height; ++y) {
    for (int x = 0; x < a->width; ++x) {
      if (XGetPixel(a, x, y) != XGetPixel(b, x, y)) return true;
    }
  }
  return false;
}

void WindowOrigin(Display* display, Window window, int& x, int& y) {
  Window child = 0;
  XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &child);
}

}  // namespace bench
