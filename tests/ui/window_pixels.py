#!/usr/bin/python3
"""Prints a hash of the pixels of a window's client area as the screen shows
them, one line per grab, for several grabs over a second and a half, so that
both phases of a blinking text cursor are caught.

  window_pixels.py <window id>
"""
import hashlib
import sys
import time

from Xlib import X, display


def main():
    connection = display.Display()
    window = connection.create_resource_object("window", int(sys.argv[1]))
    geometry = window.get_geometry()
    seen = set()
    for _ in range(6):
        image = window.get_image(0, 0, geometry.width, geometry.height, X.ZPixmap, 0xFFFFFFFF)
        seen.add(hashlib.sha256(image.data).hexdigest()[:16])
        time.sleep(0.25)
    print("\n".join(sorted(seen)))


if __name__ == "__main__":
    main()
