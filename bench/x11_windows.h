#pragma once

#include <X11/Xlib.h>

#include <chrono>

namespace bench {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start);

/// The default display, where a window closed between being listed and being read
/// (a dialog dismissed, a window another client withdrew) makes the call fail
/// instead of ending the probe; nullptr when there is none.
Display* OpenDisplay();

/// The viewable top-level window titled `name`, other than `except`; 0 if none.
Window FindViewableWindow(Display* display, const char* name, Window except = 0);

/// Whether the window shows more than one colour (a window not yet painted is
/// one colour: black, or the background it was mapped over is compared by the caller).
bool ShowsMoreThanOneColour(XImage* image);

/// The window's pixels, or nullptr when it is not viewable.
XImage* GrabWindow(Display* display, Window window);

/// Whether two grabs of the same size differ in any pixel.
bool Differ(XImage* a, XImage* b);

/// The window's top-left corner in root (screen) coordinates.
void WindowOrigin(Display* display, Window window, int& x, int& y);

}  // namespace bench
