#!/usr/bin/env bash
# Red's cannon from row 7, column 1 (point 64) to row 7, column 4 (point 67), clicked with the
# mouse in the real program; the screenshot shows the cannon moved and the bare point behind.
source "$(dirname "$0")/session.sh"
start_x_server
start_game "$1"

red=255,0,0
background=212,208,200
black=0,0,0

screenshot
expect_colour 64 1 23 "$red"
expect_colour 67 23 23 "$black"  # the empty crossing's centre
expect_colour 67 5 5 "$background"

click_cell 64
click_cell 67
screenshot
expect_colour 67 1 23 "$red"     # the disc reaches the left edge
expect_colour 67 23 1 "$red"
expect_colour 67 1 1 "$background"
expect_colour 64 23 23 "$black"  # a crossing: lines through the centre to all four edges
expect_colour 64 0 23 "$black"
expect_colour 64 23 46 "$black"
expect_colour 64 5 5 "$background"
expect_colour 64 40 30 "$background"
echo "PASS: the cannon moved from point 64 to point 67"
