#!/usr/bin/env bash
# The Windows program played from the keyboard alone, as on Linux: Tab goes from 开局 through the
# enabled buttons onto the board, where a dashed square in the highlight colour marks the cursor,
# on red's king at first; the arrows move it, Space and Return click its point, Return presses a
# focused button, and the keypad's Enter, a screen reader's key, does nothing. A mouse click
# leaves the focus where it was, and a focused button disabled by its own press hands the focus
# to the next enabled button, never to the board. Ctrl+N and the menus' access keys work from
# the board.
source "$(dirname "$0")/session.sh"
start_x_server
start_windows_game
# The system colour $1 (a COLOR_ index) as r,g,b.
system_colour() {
    local hex
    hex=$(probe system-colour "$1")
    printf '%d,%d,%d' "0x${hex:0:2}" "0x${hex:2:2}" "0x${hex:4:2}"
}
highlight=$(system_colour 13)
window_text=$(system_colour 8)
probe wait-focus "$window" 开局
screenshot
cannon_corner=$(point_colour 64 0 0)

# The mouse selects the cannon and puts it back; the focus stays on 开局, the board shows no
# cursor.
click_cell 64
expect_colour 64 0 0 "$window_text"
click_cell 64
expect_colour 64 0 0 "$cannon_corner"
probe wait-focus "$window" 开局
[ "$(point_colour 85 4 4)" != "$highlight" ] || fail "a click put the cursor on the board"

xdotool key --delay 50 Tab Tab
probe wait-focus "$window" Image1 # past 悔棋 and 保存, disabled
expect_colour 85 4 4 "$highlight"
for corner in "44 4" "4 44" "44 44"; do
    # shellcheck disable=SC2086
    expect_colour 85 $corner "$highlight"
done
[ "$(point_colour 85 12 4)" != "$highlight" ] || fail "the cursor's line is not dashed"

# The red cannon to the centre: picked up with Space, put down with Return.
xdotool key --delay 50 Up Up Left Left Left space
expect_colour 64 0 0 "$window_text"
expect_colour 64 4 4 "$highlight"
xdotool key --delay 50 Right Right Right Return
wait_for_control "$window" '黑 行'
expect_colour 67 4 4 "$highlight"
[ "$(point_colour 64 4 4)" != "$highlight" ] || fail "the cursor stayed on the cannon's point"

# The keypad's Enter leaves the black soldier alone: a click of it before Return would pick the
# soldier up and Return would put it back, and the move would not be made.
xdotool key --delay 50 Up Up Up Up KP_Enter Return Down Return
wait_for_control "$window" '红 行'

# Back to 认输: the keypad's Enter does not press it, Return does, and asks once.
xdotool key --delay 50 shift+Tab
probe wait-focus "$window" 悔棋
xdotool key --delay 50 shift+Tab
probe wait-focus "$window" 认输
xdotool key --delay 50 KP_Enter Return
box=$(wait_for_message '你真的要认输吗?')
answer "$box" '否(&N)'
expect_control "$window" '红 行' enabled
probe wait-focus "$window" 认输

# Disabled by the resignation it pressed, 认输 hands the focus on to 开局, past the disabled
# 悔棋 and 保存 (enabled only after it) and not to the board.
xdotool key Return
box=$(wait_for_message '你真的要认输吗?')
answer "$box" '是(&Y)'
wait_for_control "$window" '红 死'
probe wait-focus "$window" 开局
screenshot
[ "$(point_colour 40 4 4)" != "$highlight" ] || fail "the focus went to the board"

# From the board, Ctrl+N asks, and Alt+H A opens the about box.
xdotool key --delay 50 shift+Tab
probe wait-focus "$window" Image1
xdotool key ctrl+n
box=$(wait_for_message 是否放弃本局?)
answer "$box" '否(&N)'
xdotool key alt+h a
about=$(probe wait-window '关于 tovan中国象棋') || fail "no about box appeared"
xdotool key Return
probe wait-gone "$about" || fail "Enter did not close the about box"
probe wait-focus "$window" Image1
echo "PASS: the Windows program played from the keyboard"
