#!/usr/bin/python3
"""Checks by the screen's pixels that the window lies on the screen as it
should and that its captions over the picture are readable.

  check_on_screen.py [--unframed] <window id>

Prints one line per check, "ok: ..." or "FAIL: ...", and exits with 1 when a
check failed. The window is placed by its frame: centred where it fits, else
at the left or top edge; never beyond the left or top edge. With --unframed
(Wine, which draws a frame of its own that X does not know) only what lies
inside the window is checked.
"""
import sys

from Xlib import X, display

# Labels over the light part of the picture, in window pixels: those in the
# desktop's text colour and the black one among them.
CAPTIONS = {
    "Label1": (16, 16, 441, 25),
    "Label2": (40, 48, 129, 25),
    "Label3": (40, 88, 145, 25),
    "Label4": (16, 144, 745, 25),
    "Label5": (48, 192, 129, 25),
    "Label6": (48, 232, 129, 25),
    "Label7": (624, 192, 217, 25),
    "Label8": (624, 232, 217, 25),
}
READABLE = 4.5
# Points of the picture, in window pixels, and how light they must be: the
# near-white top and the navy below the wave.
PICTURE = {"the light top": (423, 5, 0.8, 1.0), "the navy below the wave": (5, 498, 0.0, 0.02)}


def luminance(red, green, blue):
    def linear(level):
        channel = level / 255
        return channel / 12.92 if channel <= 0.04045 else ((channel + 0.055) / 1.055) ** 2.4
    return 0.2126 * linear(red) + 0.7152 * linear(green) + 0.0722 * linear(blue)


def frame_extents(connection, window):
    """Left, right, top, bottom of the window manager's frame; 0 without one."""
    extents = window.get_full_property(connection.intern_atom("_NET_FRAME_EXTENTS"),
                                       X.AnyPropertyType)
    return list(extents.value) if extents is not None else [0, 0, 0, 0]


class Checks:
    failures = 0

    def check(self, what, passed, detail):
        print(("ok: " if passed else "FAIL: ") + what + ": " + detail)
        self.failures += 0 if passed else 1


def place_on_axis(frame, screen):
    return (screen - frame) // 2 if frame <= screen else 0


def main():
    unframed = sys.argv[1] == "--unframed"
    connection = display.Display()
    root = connection.screen().root
    window = connection.create_resource_object("window", int(sys.argv[-1]))
    screen = root.get_geometry()
    size = window.get_geometry()
    origin = window.translate_coords(root, 0, 0)
    x, y = -origin.x, -origin.y
    left, right, top, bottom = frame_extents(connection, window)
    frame_x, frame_y = x - left, y - top
    frame_width, frame_height = size.width + left + right, size.height + top + bottom
    checks = Checks()
    where = (f"frame at {frame_x},{frame_y}, {frame_width}x{frame_height} "
             f"on {screen.width}x{screen.height}")
    if not unframed:
        checks.check("the title bar and the left edge are on the screen",
                     frame_x >= 0 and frame_y >= 0, where)
        expected = (place_on_axis(frame_width, screen.width),
                    place_on_axis(frame_height, screen.height))
        checks.check("the frame is centred where it fits, else at the edge",
                     abs(frame_x - expected[0]) <= 1 and abs(frame_y - expected[1]) <= 1,
                     f"{where}, expected at {expected[0]},{expected[1]}")

    for name, (left_px, top_px, lightest, darkest) in PICTURE.items():
        pixel = window.get_image(left_px, top_px, 1, 1, X.ZPixmap, 0xFFFFFFFF).data
        level = luminance(pixel[2], pixel[1], pixel[0])
        checks.check(f"the picture shows {name}", lightest <= level <= darkest,
                     f"luminance {level:.3f}")

    for name, (left_px, top_px, width, height) in CAPTIONS.items():
        shown_width = min(width, screen.width - (x + left_px))
        image = root.get_image(x + left_px, y + top_px, shown_width, height, X.ZPixmap,
                               0xFFFFFFFF)
        data = image.data
        levels = [luminance(data[i + 2], data[i + 1], data[i]) for i in range(0, len(data), 4)]
        contrast = (max(levels) + 0.05) / (min(levels) + 0.05)
        checks.check(f"{name} is readable", contrast >= READABLE,
                     f"ink against the picture {contrast:.2f}:1")
    sys.exit(1 if checks.failures else 0)


if __name__ == "__main__":
    main()
