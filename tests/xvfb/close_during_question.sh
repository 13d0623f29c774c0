#!/usr/bin/env bash
# The window manager's close request reaches the main window in the middle of a click on 开局
# or 认输, all three waiting while the program is busy: the close comes first, then the click
# that would open the question. Closing ends the program without a question, so the program
# ends and no question outlives the window. When another X client destroys the main window, in a
# fresh game or with the question of 认输 open, the program ends as well.
source "$(dirname "$0")/session.sh"

# Waits up to a minute for the program to end by itself, and wants it to end well.
expect_game_to_end() {
    for _ in $(seq 600); do
        case $(ps -o stat= -p "$game_pid") in Z* | '') break ;; esac
        sleep 0.1
    done
    case $(ps -o stat= -p "$game_pid") in Z* | '') ;; *) fail "$1: the program kept running" ;; esac
    local status=0
    wait "$game_pid" || status=$?
    game_pid=
    [ "$status" -eq 0 ] || fail "$1: the program ended with status $status"
}

start_x_server
for button in 开局:48 认输:80; do
    start_game "$1"
    xdotool mousemove --sync $((client_x + 584 + 44)) $((client_y + ${button#*:} + 12))
    kill -STOP "$game_pid"
    xdotool mousedown 1
    request_close "$window"
    xdotool mouseup 1
    kill -CONT "$game_pid"
    expect_game_to_end "${button%:*}"
done
for question in none 认输; do
    start_game "$1"
    if [ "$question" = 认输 ]; then
        click_button 80
        wait_for_dialog 'Tovan 中国象棋' >/dev/null
    fi
    xdotool windowclose "$window" # XDestroyWindow
    expect_game_to_end "the window destroyed with question $question"
done
echo "PASS: a close request amid a click on 开局 or 认输, or the window destroyed, ends the program"
