#!/usr/bin/python3
"""Starts Orca as /usr/bin/orca does, with its arguments, but with every text file it writes
written a line at a time: its debug file, which holds each spoken text, is otherwise written in
blocks, and a test following the speech as it happens would wait on the lines in the block."""
import builtins
import runpy
import sys

_open = builtins.open


def open_line_buffered(file, mode="r", buffering=-1, *args, **kwargs):
    if buffering == -1 and "b" not in mode and any(flag in mode for flag in "wax+"):
        buffering = 1
    return _open(file, mode, buffering, *args, **kwargs)


builtins.open = open_line_buffered
sys.argv[0] = "/usr/bin/orca"
runpy.run_path("/usr/bin/orca", run_name="__main__")
