#!/usr/bin/env bash
# The real program as a native Wayland client, under a headless Weston whose output has the scale
# given (1 or 2). A screenshot shows the board pixel for pixel as the program draws it at that
# device pixel ratio (which the offscreen tests hold to the pictures drawn for each ratio), not a
# picture drawn smaller and enlarged. The window announces the application id its desktop entry
# is named after, its title and its fixed size, and Qt has nothing to warn of.
# Usage: weston.sh <program> <find_board> <desktop entry> <scale>
set -euo pipefail
program=$1 find_board=$2 entry=$3 scale=$4
work=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Runs the command that follows every tenth of a second until it succeeds, at most 600 times: a
# minute and more, so that only a program that never shows its board fails, not a slow machine.
wait_for() {
    for _ in $(seq 600); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

# Weston and its clients meet in a runtime folder of this test's own, so that tests can run side
# by side. The output's size is in logical pixels; --debug allows weston-screenshooter.
export XDG_RUNTIME_DIR=$work/runtime WAYLAND_DISPLAY=wayland-test
mkdir -m 0700 "$XDG_RUNTIME_DIR" "$work/shots"
weston --backend=headless-backend.so --use-pixman --width=800 --height=700 --scale="$scale" \
    --debug --socket="$WAYLAND_DISPLAY" --log="$work/weston.log" 2>/dev/null &
pids+=($!)
wait_for test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" || fail "no Weston: $(cat "$work/weston.log")"

# With WAYLAND_DEBUG the program logs each request it sends, on lines that begin with "[".
(cd "$work" && QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 exec "$program") >"$work/game.log" 2>&1 &
pids+=($!)
board_shown() {
    kill -0 "${pids[1]}" 2>/dev/null || fail "the program ended: $(grep -v '^\[' "$work/game.log")"
    rm -f "$work"/shots/*.png
    (cd "$work/shots" && weston-screenshooter >/dev/null 2>&1) &&
        QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$scale "$find_board" "$work"/shots/*.png \
            2>"$work/find_board.log"
}
wait_for board_shown || fail "at scale $scale, $(tail -n 1 "$work/find_board.log")"
echo "PASS: at scale $scale the board shows the pictures drawn for it, pixel for pixel"

# The first request of a kind in the log, the main window's.
first() {
    grep -o -m 1 "\.$1(.*)" "$work/game.log" || true
}
app_id=$(basename "$entry" .desktop)
[ -f "$entry" ] && [ "$(first set_app_id)" = ".set_app_id(\"$app_id\")" ] ||
    fail "the window announces $(first set_app_id), not the desktop entry's $app_id"
[ "$(first set_title)" = '.set_title("Tovan 中国象棋")' ] || fail "the title is $(first set_title)"
min=$(first set_min_size) max=$(first set_max_size)
[ -n "$min" ] && [ "${min#*(}" = "${max#*(}" ] || fail "the window can be resized: $min, $max"
! grep -v '^\[' "$work/game.log" || fail "Qt warns of the above"
echo "PASS: the window announces $app_id, its title and its fixed size; Qt warns of nothing"
