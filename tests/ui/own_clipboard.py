#!/usr/bin/python3
"""Holds standard input on the clipboard as a desktop program does, until
killed; prints "owned" once it holds it.

  own_clipboard.py <text

Orca reads the clipboard whenever its owner changes. GTK serves that reader
and a paste at the same time; xclip serves one after the other, and a paste
of megabytes then waits out Qt's five seconds for the clipboard.
"""
import sys

import gi

gi.require_version("Gtk", "3.0")
gi.require_version("Gdk", "3.0")
from gi.repository import Gdk, Gtk  # noqa: E402


def main():
    text = sys.stdin.read()
    Gtk.Clipboard.get(Gdk.SELECTION_CLIPBOARD).set_text(text, -1)
    print("owned", flush=True)
    Gtk.main()


if __name__ == "__main__":
    main()
