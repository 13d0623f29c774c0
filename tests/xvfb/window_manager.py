#!/usr/bin/python3
"""Stands in for the window manager that Xvfb lacks: sends a window the requests a window
manager sends it.

  window_manager.py ping WINDOW SECONDS  _NET_WM_PING; exit status 0 if the window's program
                                         answers within SECONDS, 1 if not
  window_manager.py close WINDOW         WM_DELETE_WINDOW, the close box's request
"""
import sys
import time

from Xlib import X, display
from Xlib.protocol import event

PING_SERIAL = 0x5a5a


def send(connection, window, protocol, data):
    message = event.ClientMessage(
        window=window,
        client_type=connection.intern_atom("WM_PROTOCOLS"),
        data=(32, [connection.intern_atom(protocol)] + data),
    )
    window.send_event(message, event_mask=0)
    connection.flush()


def answers_ping(connection, window, seconds):
    root = connection.screen().root
    # The program answers on the root window, to the clients that watch its structure.
    root.change_attributes(event_mask=X.StructureNotifyMask)
    send(connection, window, "_NET_WM_PING", [PING_SERIAL, window.id, 0, 0])
    ping = connection.intern_atom("_NET_WM_PING")
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        while connection.pending_events():
            answer = connection.next_event()
            if (answer.type == X.ClientMessage and answer.window == root
                    and list(answer.data[1][:2]) == [ping, PING_SERIAL]):
                return True
        time.sleep(0.01)
    return False


def main():
    request, window_id = sys.argv[1], int(sys.argv[2], 0)
    connection = display.Display()
    window = connection.create_resource_object("window", window_id)
    if request == "close":
        send(connection, window, "WM_DELETE_WINDOW", [X.CurrentTime, 0, 0, 0])
        return 0
    return 0 if answers_ping(connection, window, float(sys.argv[3])) else 1


if __name__ == "__main__":
    sys.exit(main())
