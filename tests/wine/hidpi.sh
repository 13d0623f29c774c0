#!/usr/bin/env bash
# The Windows program under Wine on a screen of 192 dots per inch, 200 %, as Windows' display
# settings give it: the manifest declares the awareness Windows reads; the window is laid out at
# 200 %, its board pixel for pixel the Linux program's at 200 % (the pictures, the lines between
# them, the selection frame), its status and title in their fonts at 200 %, and so is the about
# box, its picture the one drawn for 200 %. Told of a move to monitors of 150 % and 400 %, as
# Windows tells it, the windows lay themselves out anew: at 150 % the board is the Linux
# program's at 150 % and the about picture the one drawn for 150 %; at 400 % the board is the
# board at 200 % enlarged twice, each pixel a square of four.
# Arguments: the program, the probe, the Wine prefix at 192 dots per inch and find_board.
readonly SCREEN_SIZE=2800x2450
RATIO=2
source "$(dirname "$0")/session.sh"
readonly FIND_BOARD=$4
readonly ABOUT_PICTURES=$(dirname "$0")/../../about/pictures
start_x_server

eval "$(probe dpi-awareness "$(windows_path "$program")")"
[ "$dpi_aware" = true/pm ] && [ "$dpi_awareness" = 'PerMonitorV2, PerMonitor' ] ||
    fail "the manifest declares dpiAware '$dpi_aware' and dpiAwareness '$dpi_awareness'"

start_windows_game
[ "$client_width×$client_height" = 1372×1162 ] ||
    fail "the client area is $client_width×$client_height, not 1372×1162"

# The pixels between the board's pictures show the system's face colour.
face=$(probe system-colour 15) # COLOR_BTNFACE

# Fails unless the last screenshot shows the starting board as the Linux program draws it at
# ratio $1, the gaps in the face colour, with point $2 framed if given.
expect_linux_board() {
    QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$1 "$FIND_BOARD" "$work/screen.png" "$face" \
        "${@:2}" 2>"$work/find_board.log" ||
        fail "at $1${2:+ with point $2 framed}, $(tail -n 1 "$work/find_board.log")"
}

# The screen rectangle of window $1's child of class $2, as "left top width height".
child_rect() {
    probe controls "$1" | awk -F '\t' -v class="$2" '$1 == class { print $3, $4, $5, $6; exit }'
}

expect_status 红行
eventually title_drawn
eventually expect_linux_board 2
click_cell 64
eventually expect_linux_board 2 64
read -r left top width height < <(child_rect "$window" XiangqiBoardPoints)
convert "$work/screen.png" -crop "${width}x$height+$left+$top" +repage "$work/board-200.png"

xdotool key alt+h a
about=$(probe wait-window '关于 tovan中国象棋') || fail "no about box appeared"
eval "$(probe window "$about")"
[ "$client_width×$client_height" = 764×416 ] ||
    fail "the about box's client area is $client_width×$client_height, not 764×416"
read -r left top width height < <(control_line "$about" 确定 | cut -f 3-6)
[ "$left $top $width $height" = "$((client_x + 550)) $((client_y + 350)) 200 46" ] ||
    fail "确定 is at $left $top $width $height, not where the design puts it at 200 %"

# The picture drawn for RATIO, centred in its sunken border.
expect_about_picture() {
    local left top width height side differing
    read -r left top width height < <(child_rect "$about" Static)
    side=$(scaled 32)
    convert "$work/screen.png" -crop \
        "${side}x$side+$((left + (width - side) / 2))+$((top + (height - side) / 2))" \
        +repage "$work/about-shown.png"
    differing=$(compare -metric AE "$work/about-shown.png" \
        "$ABOUT_PICTURES/about-$(scaled 100).png" null: 2>&1) ||
        fail "the about picture is not the one drawn for $(scaled 100) %: $differing pixels differ"
}
eventually expect_about_picture

# Told of a move to a monitor of 150 %, the box lays itself out anew.
RATIO=1.5
probe dpi-changed "$about" 144
eval "$(probe window "$about")"
[ "$client_width×$client_height" = 573×312 ] ||
    fail "at 150 % the about box's client area is $client_width×$client_height, not 573×312"
eventually expect_about_picture
xdotool key Return
probe wait-gone "$about" || fail "Enter did not close the about box"

probe dpi-changed "$window" 144
eval "$(probe window "$window")"
[ "$client_width×$client_height" = 1029×872 ] ||
    fail "at 150 % the client area is $client_width×$client_height, not 1029×872"
eventually expect_linux_board 1.5 64
expect_status 红行
eventually title_drawn

probe dpi-changed "$window" 384
eval "$(probe window "$window")"
[ "$client_width×$client_height" = 2744×2324 ] ||
    fail "at 400 % the client area is $client_width×$client_height, not 2744×2324"
convert "$work/board-200.png" -sample 200% "$work/board-200-enlarged.png"
expect_enlarged_board() {
    local left top width height differing
    read -r left top width height < <(child_rect "$window" XiangqiBoardPoints)
    convert "$work/screen.png" -crop "${width}x$height+$left+$top" +repage "$work/board-400.png"
    differing=$(compare -metric AE "$work/board-400.png" "$work/board-200-enlarged.png" null: 2>&1) ||
        fail "at 400 % the board is not the board at 200 % enlarged: $differing pixels differ"
}
eventually expect_enlarged_board
kill -0 "$game_pid" || fail "the program ended"
echo "PASS: at 200 %, 150 % and 400 % the Windows program's window, board, fonts and about box are drawn for the screen"
