"""Prints the names of the board's 90 points, one a line, in point order, as a screen reader
reads them from the running game through AT-SPI."""
import sys
import time

import pyatspi

APP_NAME = "tovan-xiangqi"
BOARD_NAME = "棋盘"


def application():
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == APP_NAME:
                return app
        time.sleep(0.1)
    sys.exit("the program is not on the accessibility bus")


def find(root, wanted):
    """The first object under root, root included, for which wanted is true, parents first."""
    if wanted(root):
        return root
    for child in root:
        found = find(child, wanted) if child is not None else None
        if found is not None:
            return found
    return None


def is_board(acc):
    return acc.name == BOARD_NAME and acc.getRole() != pyatspi.ROLE_LABEL and acc.childCount == 90


board = find(application(), is_board)
if board is None:
    sys.exit("no board of 90 points on the accessibility bus")
print("\n".join(board.getChildAtIndex(i).name for i in range(board.childCount)))
