# Sourced by the tests that drive the built program in a real X server, from outside, the way a
# user would: Xvfb for the screen, xdotool for the mouse and keys, ImageMagick for screenshots.
# Positions on the screen are in device pixels; a test that runs the program at another device
# pixel ratio sets RATIO (1 unless set) before start_game.
set -euo pipefail
# The tools here read and type Chinese titles and paths, so they work in UTF-8; the program itself
# starts with no locale at all, as in a minimal system (see start_game).
export LC_ALL=C.UTF-8

CLIENT_WIDTH=686
CLIENT_HEIGHT=581
work=$(mktemp -d)
xvfb_pid=
game_pid=
RATIO=${RATIO:-1}

# Runs on every exit, under errexit: a program that has already ended must not stop the rest.
finish() {
    stop "$game_pid"
    stop "$xvfb_pid"
    rm -rf "$work"
}
stop() {
    if [ -n "$1" ]; then kill "$1" 2>/dev/null || true; fi
}
trap finish EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# How long a test waits for what it needs: far more than a busy machine takes, less than CTest
# gives the test, so only a program that never answers fails for want of time.
WAIT_SECONDS=${WAIT_SECONDS:-120}

# Runs "$@" until it succeeds, every tenth of a second; false after WAIT_SECONDS.
wait_until() {
    local deadline=$((SECONDS + WAIT_SECONDS))
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

# The server picks a free display itself and reports it, so tests can run side by side. It keeps
# its state, the X resources among it, when its clients leave, and has room for the window at
# 200 %, or at what SCREEN_SIZE (width x height) makes room for.
start_x_server() {
    Xvfb -displayfd 5 -screen 0 "${SCREEN_SIZE:-2048x1536}x24" -nolisten tcp -noreset \
        5>"$work/display" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    wait_until x_server_answers || fail "no X server could be started: $(cat "$work/xvfb.log")"
}
x_server_answers() {
    kill -0 "$xvfb_pid" 2>/dev/null || return 1
    [ -s "$work/display" ] || return 1
    export DISPLAY=":$(head -n 1 "$work/display")"
    xdpyinfo >/dev/null 2>&1
}

# The title of window $1, as an X client in a UTF-8 locale reads it from the property $2
# (_NET_WM_NAME by default; WM_NAME is what older clients read).
window_title() {
    xprop -id "$1" -notype "${2:-_NET_WM_NAME}" | sed -n 's/^[A-Z_]* = "\(.*\)"$/\1/p'
}

# A length of the window, in device pixels at RATIO, rounded as Qt rounds it.
scaled() {
    awk -v pixels="$1" -v ratio="$RATIO" 'BEGIN { printf "%d", int(pixels * ratio + 0.5) }'
}

# Starts the program with no locale set and waits for its main window, found by its process;
# sets window, client_x and client_y (the screen position of the window's client area, below its
# menu bar, at ratio 1), board_x and board_y (that of the board's first point) and pitch (the
# board's pitch).
start_game() {
    (cd "$work" && exec env -u LC_ALL -u LANG -u LANGUAGE -u LC_CTYPE -u LC_MESSAGES "$1") \
        >"$work/game.log" 2>&1 &
    game_pid=$!
    window=$(timeout "$WAIT_SECONDS" xdotool search --sync --onlyvisible --pid "$game_pid" | head -n 1) ||
        fail "the main window did not appear"
    local name
    for name in _NET_WM_NAME WM_NAME; do
        [ "$(window_title "$window" "$name")" = 'Tovan 中国象棋' ] ||
            fail "the window's $name reads '$(window_title "$window" "$name")'"
    done
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

# Fails unless pixel (dx, dy) of point `cell` comes to show colour $4: the last screenshot's, or
# if it differs, a later one's, as the program may not have painted yet what it was told.
expect_colour() {
    local cell=$1 dx=$2 dy=$3 expected=$4
    shows_colour "$@" || wait_until shows_colour_on_screen "$@" ||
        fail "point $cell pixel ($dx,$dy) is $(point_colour "$cell" "$dx" "$dy"), expected $expected"
}
shows_colour() {
    [ "$(point_colour "$1" "$2" "$3")" = "$4" ]
}
shows_colour_on_screen() {
    screenshot
    shows_colour "$@"
}

# Waits for a visible window of the program whose title is $1 other than the main window and
# window $2, if given; prints its id.
wait_for_dialog() {
    wait_until dialog_shown "$1" "${2:-}" || fail "no window '$1' appeared"
}
dialog_shown() {
    local id
    for id in $(xdotool search --onlyvisible --pid "$game_pid" 2>/dev/null); do
        [ "$id" != "$window" ] && [ "$id" != "$2" ] && [ "$(window_title "$id")" = "$1" ] &&
            echo "$id" && return 0
    done
    return 1
}

# Gives the keyboard focus to window $1, then presses the keys that follow.
press_in() {
    local target=$1
    shift
    xdotool windowfocus --sync "$target"
    xdotool key --delay 50 "$@"
}

# Types path $1, or $2 if given (a name in the folder the dialog shows), into the Save-As dialog
# when it shows, in place of the name it offers; saves, answers the messages that follow and
# waits for the file. Where the file exists already, the dialog must ask before replacing it.
save_as() {
    local dialog existed=
    [ ! -e "$1" ] || existed=1
    dialog=$(wait_for_dialog '另存为')
    xdotool windowfocus --sync "$dialog"
    xdotool key --delay 50 ctrl+a BackSpace
    xdotool type --delay 20 "${2:-$1}"
    press_in "$dialog" Return
    [ -z "$existed" ] || press_in "$(wait_for_dialog '另存为' "$dialog")" y # 是, to "…已存在。…"
    press_in "$(wait_for_dialog 'Tovan 中国象棋')" Return # 确定, to "保存完毕。"
    wait_for_file "$1"
}

# Fails unless file $1 holds exactly the record lines that follow, each ended by CR LF.
expect_record() {
    local file=$1 expected actual
    shift
    expected=$(printf '%s\r\n' "$@" | od -An -tx1)
    actual=$(od -An -tx1 "$file")
    [ "$actual" = "$expected" ] || fail "record bytes differ:$actual"
}

wait_for_file() {
    wait_until test -s "$1" || fail "$1 was not written"
}

# Clicks the command button whose top edge is $1 pixels down the client area.
click_button() {
    xdotool mousemove --sync $((client_x + 584 + 44)) $((client_y + $1 + 12)) click 1
}

# The requests of the window manager, which the bare X server lacks, sent to window $1; the
# program must answer the ping within $2 seconds.
window_manager=$(dirname "${BASH_SOURCE[0]}")/window_manager.py
answers_ping() {
    "$window_manager" ping "$1" "$2"
}
request_close() {
    "$window_manager" close "$1"
}
