"""Reads the running game through AT-SPI, as a screen reader does.

    atspi_client.py names          the names of the board's cells, one a line, in cell order
    atspi_client.py status         the name of the status label
    atspi_client.py selected       the indices of the selected cells, one a line
    atspi_client.py focused        the name of the innermost object that has the keyboard focus
    atspi_client.py listen LOG     writes the name changes, selections and focus changes that
                                   the program reports to LOG until killed, one a line: event,
                                   detail, cell index (- for other objects), name
"""
import sys
import time

import pyatspi
from gi.repository import GLib

APP_NAME = "tovan-xiangqi"
TITLE = "tovan 中国象棋"


def application():
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == APP_NAME:
                return app
        time.sleep(0.1)
    sys.exit("the program is not on the accessibility bus")


def find_all(root, wanted):
    """The objects under root, root included, for which wanted is true, parents first."""
    found = [root] if wanted(root) else []
    for child in root:
        if child is not None:
            found += find_all(child, wanted)
    return found


def find(root, wanted):
    found = find_all(root, wanted)
    return found[0] if found else None


def board():
    def is_board(acc):
        return acc.name == "棋盘" and acc.getRole() != pyatspi.ROLE_LABEL and acc.childCount == 90
    found = find(application(), is_board)
    if found is None:
        sys.exit("no board of 90 points on the accessibility bus")
    return found


def status_label():
    def is_status(acc):
        return acc.getRole() == pyatspi.ROLE_STATUS_BAR
    label = find(application(), is_status)
    if label is None:
        sys.exit("no status label on the accessibility bus")
    return label


def cells():
    table = board()
    return [table.getChildAtIndex(i) for i in range(table.childCount)]


def listen(log_path):
    log = open(log_path, "w", encoding="utf-8", buffering=1)

    def record(event):
        source = event.source
        try:
            is_cell = source.getRole() == pyatspi.ROLE_TABLE_CELL
            cell = source.getIndexInParent() if is_cell else "-"
            log.write(f"{event.type}\t{event.detail1}\t{cell}\t{source.name}\n")
        except GLib.GError:
            pass  # an object of a dialog that has closed since

    for kind in ("object:property-change:accessible-name", "object:state-changed:selected",
                 "focus:"):
        pyatspi.Registry.registerEventListener(record, kind)
    log.write("ready\n")
    pyatspi.Registry.start()


def main():
    command = sys.argv[1]
    if command == "names":
        print("\n".join(cell.name for cell in cells()))
    elif command == "status":
        print(status_label().name)
    elif command == "selected":
        for index, cell in enumerate(cells()):
            if cell.getState().contains(pyatspi.STATE_SELECTED):
                print(index)
    elif command == "focused":
        focused = find_all(application(),
                           lambda acc: acc.getState().contains(pyatspi.STATE_FOCUSED))
        print(focused[-1].name if focused else "")
    elif command == "listen":
        listen(sys.argv[2])
    else:
        sys.exit(__doc__)


main()
