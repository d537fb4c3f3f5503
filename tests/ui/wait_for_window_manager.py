#!/usr/bin/python3
"""Waits until a window manager manages the X display: it announces itself
by _NET_SUPPORTING_WM_CHECK on the root window. Fails after ten seconds.
"""
import sys
import time

from Xlib import X, display


def main():
    connection = display.Display()
    root = connection.screen().root
    check = connection.intern_atom("_NET_SUPPORTING_WM_CHECK")
    deadline = time.monotonic() + 10
    while time.monotonic() < deadline:
        if root.get_full_property(check, X.AnyPropertyType) is not None:
            return 0
        time.sleep(0.05)
    print("FAIL: no window manager took the display")
    return 1


if __name__ == "__main__":
    sys.exit(main())
