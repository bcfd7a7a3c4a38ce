#!/usr/bin/env python3
"""Asks an X window to close as a window manager's close button does.

Sends the window the ICCCM WM_DELETE_WINDOW client message. A window manager is what normally
sends it; with none running (the end-to-end test's bare Xvfb) this does the same, through libX11
by ctypes, so that the test needs no compiler and no Python package beyond the standard library.
xdotool's windowclose and windowkill are no substitute: they destroy the window or kill the
client, which is a crash from the program's side, not a close request.

Usage: close_request.py WINDOW_ID
"""

import ctypes
import ctypes.util
import sys

CLIENT_MESSAGE = 33  # X.h ClientMessage
NO_EVENT_MASK = 0
CURRENT_TIME = 0


class XClientMessageEvent(ctypes.Structure):
    _fields_ = [
        ("type", ctypes.c_int),
        ("serial", ctypes.c_ulong),
        ("send_event", ctypes.c_int),
        ("display", ctypes.c_void_p),
        ("window", ctypes.c_ulong),
        ("message_type", ctypes.c_ulong),
        ("format", ctypes.c_int),
        ("data", ctypes.c_long * 5),
    ]


class XEvent(ctypes.Union):
    _fields_ = [("xclient", XClientMessageEvent), ("pad", ctypes.c_long * 24)]


def main() -> int:
    if len(sys.argv) != 2:
        print(__doc__.strip().splitlines()[-1], file=sys.stderr)
        return 2
    window = int(sys.argv[1], 0)

    x11 = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XSendEvent.restype = ctypes.c_int
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                               ctypes.POINTER(XEvent)]
    x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]

    display = x11.XOpenDisplay(None)
    if not display:
        print("close_request.py: cannot open the display", file=sys.stderr)
        return 1
    event = XEvent()
    event.xclient.type = CLIENT_MESSAGE
    event.xclient.window = window
    event.xclient.message_type = x11.XInternAtom(display, b"WM_PROTOCOLS", False)
    event.xclient.format = 32
    event.xclient.data[0] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", False)
    event.xclient.data[1] = CURRENT_TIME
    sent = x11.XSendEvent(display, window, False, NO_EVENT_MASK, ctypes.byref(event))
    x11.XSync(display, False)
    x11.XCloseDisplay(display)
    if not sent:
        print("close_request.py: XSendEvent failed", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
