#!/usr/bin/env bash
# Redraws the README's screenshots: the window under Xvfb after a few opening moves, with a piece
# selected, at a device pixel ratio (QT_SCALE_FACTOR; 1 unless given).
# Usage: tools/screenshot.sh <built program> <output.png> [ratio]
RATIO=${3:-1}
export QT_SCALE_FACTOR=$RATIO
source "$(dirname "$0")/../tests/xvfb/session.sh"
output=$(realpath "$2")
start_x_server
start_game "$1"
click_cell 64 && click_cell 67
click_cell 7 && click_cell 24
click_cell 88 && click_cell 69
click_cell 0
eval "$(xdotool getwindowgeometry --shell "$window")"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$output"
