#!/usr/bin/env bash
# Redraws the README's screenshot: the window under Xvfb after a few opening moves, with a piece
# selected. Usage: tools/screenshot.sh <built program> <output.png>
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
