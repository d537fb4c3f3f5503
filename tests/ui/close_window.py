#!/usr/bin/python3
"""Asks an X11 window to close, as its close box does: WM_DELETE_WINDOW.

  close_window.py <window id>
"""
import sys

from Xlib import X, display
from Xlib.protocol import event


def main():
    connection = display.Display()
    window = connection.create_resource_object("window", int(sys.argv[1]))
    protocols = connection.intern_atom("WM_PROTOCOLS")
    delete = connection.intern_atom("WM_DELETE_WINDOW")
    message = event.ClientMessage(window=window, client_type=protocols,
                                  data=(32, [delete, X.CurrentTime, 0, 0, 0]))
    window.send_event(message, event_mask=X.NoEventMask)
    connection.flush()


if __name__ == "__main__":
    main()
