# Sourced by the tests that drive the built program in a real X server, from outside, the way a
# user would: Xvfb for the screen, xdotool for the mouse and keys, ImageMagick for screenshots.
# Positions on the screen are in device pixels; a test that runs the program at another device
# pixel ratio sets RATIO (1 unless set) before start_game.
set -euo pipefail

CLIENT_WIDTH=686
CLIENT_HEIGHT=581
RATIO=${RATIO:-1}
work=$(mktemp -d)
xvfb_pid=
game_pid=

# A program that has ended already must not keep the server from being ended: under set -e a
# failed kill would end this function there.
finish() {
    if [ -n "$game_pid" ]; then kill "$game_pid" 2>/dev/null || true; fi
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap finish EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The server picks a free display itself and reports it, so tests can run side by side. It keeps
# its state, the X resources among it, when its clients leave, and has room for the window at
# 200 %.
start_x_server() {
    Xvfb -displayfd 5 -screen 0 2048x1536x24 -nolisten tcp -noreset 5>"$work/display" \
        2>"$work/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 100); do
        if [ -s "$work/display" ]; then
            export DISPLAY=":$(head -n 1 "$work/display")"
            xdpyinfo >/dev/null 2>&1 && return 0
        fi
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.1
    done
    fail "no X server could be started: $(cat "$work/xvfb.log")"
}

# A length of the window, in device pixels at RATIO, rounded as Qt rounds it.
scaled() {
    awk -v pixels="$1" -v ratio="$RATIO" 'BEGIN { printf "%d", int(pixels * ratio + 0.5) }'
}

# Starts the program and waits for its main window; sets window, client_x and client_y (the
# screen position of the window's client area, below its menu bar, at ratio 1), board_x and
# board_y (that of the board's first point) and pitch (the board's pitch).
start_game() {
    (cd "$work" && exec "$1") >"$work/game.log" 2>&1 &
    game_pid=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --name 'Tovan 中国象棋' | head -n 1) ||
        fail "the main window did not appear"
    sleep 0.5
    eval "$(xdotool getwindowgeometry --shell "$window")"
    [ "$WIDTH" -eq "$(scaled $CLIENT_WIDTH)" ] ||
        fail "window is $WIDTH wide, expected $(scaled $CLIENT_WIDTH)"
    client_x=$X
    client_y=$((Y + HEIGHT - CLIENT_HEIGHT))
    local menu_bar
    menu_bar=$(($(awk -v height="$HEIGHT" -v ratio="$RATIO" \
        'BEGIN { printf "%d", int(height / ratio + 0.5) }') - CLIENT_HEIGHT))
    board_x=$((X + $(scaled $((88 + 24)))))
    board_y=$((Y + $(scaled $((menu_bar + 40 + 24)))))
    pitch=$(scaled 48)
}

# Screen position of a pixel (dx, dy) of board point `cell`'s picture, in device pixels.
point_pixel_position() {
    local cell=$1 dx=$2 dy=$3
    echo $((board_x + pitch * (cell % 9) + dx)) $((board_y + pitch * (cell / 9) + dy))
}

click_cell() {
    # shellcheck disable=SC2046
    xdotool mousemove --sync $(point_pixel_position "$1" "$(scaled 23)" "$(scaled 23)") click 1
    sleep 0.3
}

screenshot() {
    import -window root "$work/screen.png"
}

# The colour of pixel (dx, dy) of point `cell` in the last screenshot, as "r,g,b".
point_colour() {
    local x y
    read -r x y < <(point_pixel_position "$@")
    convert "$work/screen.png" -format "%[fx:int(255*p{$x,$y}.r)],%[fx:int(255*p{$x,$y}.g)],%[fx:int(255*p{$x,$y}.b)]" info:
}

expect_colour() {
    local cell=$1 dx=$2 dy=$3 expected=$4 actual
    actual=$(point_colour "$cell" "$dx" "$dy")
    [ "$actual" = "$expected" ] || fail "point $cell pixel ($dx,$dy) is $actual, expected $expected"
}

# Waits for a visible window whose title is $1 other than the main window; prints its id.
wait_for_dialog() {
    local title=$1 id
    for _ in $(seq 100); do
        for id in $(xdotool search --onlyvisible --name "$title" 2>/dev/null); do
            [ "$id" != "$window" ] && echo "$id" && return 0
        done
        sleep 0.1
    done
    fail "no window '$title' appeared"
}

# Gives the keyboard focus to window $1, then presses the keys that follow.
press_in() {
    local target=$1
    shift
    xdotool windowfocus --sync "$target"
    xdotool key --delay 50 "$@"
}

wait_for_file() {
    for _ in $(seq 100); do
        [ -s "$1" ] && return 0
        sleep 0.1
    done
    fail "$1 was not written"
}
