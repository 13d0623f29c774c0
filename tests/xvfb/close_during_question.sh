#!/usr/bin/env bash
# The window manager's close request reaches the main window in the middle of a click on 开局
# or 认输, all three waiting while the program is busy: the close comes first, then the click
# that would open the question. Closing ends the program without a question, so the program
# ends and no question outlives the window.
source "$(dirname "$0")/session.sh"

# Waits up to five seconds for the program to end by itself, and wants it to end well.
expect_game_to_end() {
    for _ in $(seq 50); do
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
echo "PASS: a close request amid a click on 开局 or 认输 ends the program"
