#!/usr/bin/python3
"""Lists what a screen reader finds in the running Welvaro window.

Run inside an AT-SPI session, for example:
  tools/check_screen_reader.sh build
Exits non-zero unless all fourteen focusable controls are found, each named.
"""
import sys
import time

import pyatspi

EXPECTED_FOCUSABLE = 14


def find_application(name):
    for _ in range(50):
        for application in pyatspi.Registry.getDesktop(0):
            if application is not None and application.name.lower() == name:
                return application
        time.sleep(0.2)
    return None


def walk(accessible):
    yield accessible
    for index in range(accessible.childCount):
        child = accessible.getChildAtIndex(index)
        if child is not None:
            yield from walk(child)


def main():
    application = find_application("welvaro")
    if application is None:
        print("no application 'welvaro' on the accessibility bus")
        return 1
    focusable = []
    for accessible in walk(application):
        if accessible.getState().contains(pyatspi.STATE_FOCUSABLE):
            focusable.append(accessible)
            print(f"{accessible.getRoleName():12} {accessible.name!r:45} {accessible.description!r}")
    unnamed = [a for a in focusable if not a.name]
    print(f"{len(focusable)} focusable controls, {len(unnamed)} without a name")
    return 0 if len(focusable) == EXPECTED_FOCUSABLE and not unnamed else 1


if __name__ == "__main__":
    sys.exit(main())
