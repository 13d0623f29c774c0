#!/usr/bin/env bash
# What screen readers read of the Windows program through UI Automation, read from outside by
# the probe as a client reads it under Wine: the board a group of the 90 points, each named as
# on Linux by what stands on it and where; the point under the keyboard's cursor focused, as the
# arrows move it; the names following a move; the status label a status bar named by its text.
# Wine 8 hands no event to a client and lacks the notification: what the program raises is
# checked by tst_uiautomation_windows.
source "$(dirname "$0")/session.sh"

# What clients read of the window of class $1 inside the main window, into elements. Wine 8's
# COM now and then deadlocks as one client lets go of elements while the next asks for them: the
# program plays on, but answers no client again. A probe that gets no answer ends the round.
read_elements() {
    local status=0
    elements=$(probe elements "$window" "$1") || status=$?
    [ "$status" -ne 124 ] || exit 124
    return "$status"
}
read_board() {
    read_elements XiangqiBoardPoints || fail "the board has no element"
    board=$elements
}
expect_status() {
    read_elements XiangqiStatusLabel || fail "the status has no element"
    [ "$elements" = "50017"$'\t-\t'"$1" ] || fail "the status reads '$elements'"
}

# Fails unless the element of point $1 reads $2 (focused or -) and $3.
expect_point() {
    local line
    line=$(sed -n "$(($1 + 2))p" <<<"$board")
    [ "$line" = "50029"$'\t'"$2"$'\t'"$3" ] || fail "point $1 reads '$line', not '$2 $3'"
}

# Waits until point $1 is the one focused element of the board, as after the program has
# handled a key.
wait_for_focused_point() {
    wait_until focused_point_is "$1" || fail "point $1 is not the focused one: $(grep -n focused <<<"$board")"
}
focused_point_is() {
    read_board
    [ "$(grep -n $'\tfocused\t' <<<"$board" | cut -d : -f 1)" = $(($1 + 2)) ]
}

# One round: the board and the status read, then read again as the keys move the cursor and
# a piece.
play_round() {
    read_board
    [ "$(head -n 1 <<<"$board")" = "50026"$'\t-\t棋盘' ] || fail "the board reads '$(head -n 1 <<<"$board")'"
    [ "$(wc -l <<<"$board")" -eq 91 ] || fail "the board has $(($(wc -l <<<"$board") - 1)) points"
    expect_point 0 - '黑 车，第1行，第1列'
    expect_point 64 - '红 炮，第8行，第2列'
    expect_point 40 - '空位，第5行，第5列'
    expect_point 89 - '红 车，第10行，第9列'
    expect_status 红行

    xdotool key --delay 50 Tab Tab
    wait_for_focused_point 85
    expect_point 85 focused '红 帅，第10行，第5列'
    xdotool key --delay 50 Up Up Left Left Left
    wait_for_focused_point 64

    xdotool key --delay 50 space Right Right Right Return
    wait_for_control "$window" '黑 行'
    wait_for_focused_point 67
    expect_point 67 focused '红 炮，第8行，第5列'
    expect_point 64 - '空位，第8行，第2列'
    expect_status '黑 行'
}

start_x_server
start_windows_game
status=0
(play_round) || status=$?
if [ "$status" -eq 124 ]; then
    echo "UI Automation under Wine stopped answering; once more with the program started anew" >&2
    wineserver --kill
    start_windows_game
    play_round
elif [ "$status" -ne 0 ]; then
    exit "$status"
fi
echo "PASS: a UI Automation client read the board's points and the status"
