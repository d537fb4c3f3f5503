#pragma once

namespace welvaro::ui {

/// While it lives, a failure of Qt to reach any window system (no display, no
/// platform plugin) ends the program with exit code 1 and one line on
/// standard error, naming the cause, instead of Qt's abort and core dump.
/// Qt's warnings meanwhile are held back for that line; they are passed on
/// when it ends without a failure. An argument the program does not take is
/// named instead, as it would be had a window opened. Lives while the
/// application is made from `argc` and `argv`.
class WindowSystemCheck {
 public:
  WindowSystemCheck(int argc, char** argv);
  ~WindowSystemCheck();
  WindowSystemCheck(const WindowSystemCheck&) = delete;
  WindowSystemCheck& operator=(const WindowSystemCheck&) = delete;
};

}  // namespace welvaro::ui
