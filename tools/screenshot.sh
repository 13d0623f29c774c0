#!/usr/bin/env bash
# Redraws the README's screenshots: the window under Xvfb after a few opening moves, with a piece
# selected. The Linux program at a device pixel ratio (QT_SCALE_FACTOR; 1 unless given), or the
# Windows program (the .exe of a cross build, beside whose tests/wine/probe.exe) under Wine, in
# a Wine prefix made for it.
# Usage: tools/screenshot.sh <built program> <output.png> [ratio]
program=$(realpath "$1")
output=$(realpath "$2")
tests=$(dirname "$0")/../tests
if [[ $program == *.exe ]]; then
    prefix=$(mktemp -d)
    bash "$tests/wine/prefix.sh" "$prefix" >/dev/null
    source "$tests/wine/session.sh" "$program" "$(dirname "$program")/../tests/wine/probe.exe" \
        "$prefix"
    trap 'finish_wine; rm -rf "$prefix"' EXIT
    start_x_server
    start_windows_game
else
    RATIO=${3:-1}
    export QT_SCALE_FACTOR=$RATIO
    source "$tests/xvfb/session.sh"
    start_x_server
    start_game "$program"
    eval "$(xdotool getwindowgeometry --shell "$window")"
    window_geometry=${WIDTH}x$HEIGHT+$X+$Y
fi
click_cell 64 && click_cell 67
click_cell 7 && click_cell 24
click_cell 88 && click_cell 69
click_cell 0
screenshot
convert "$work/screen.png" -crop "$window_geometry" +repage "$output"
