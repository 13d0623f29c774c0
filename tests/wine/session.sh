# Sourced by the tests that run the Windows program under Wine in a real X server, from outside,
# the way a user would: the X helpers of tests/xvfb/session.sh for the screen, the mouse and the
# keys, and probe.exe, run under the same Wine, to read the program's windows as a spy tool
# does. Arguments: the program, the probe and the Wine prefix that prefix.sh made.
source "$(dirname "${BASH_SOURCE[0]}")/../xvfb/session.sh"

program=$1
probe_program=$2
export WINEPREFIX=$3 WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
# Wine takes the system's language from the locale: Chinese, as the program's users have it.
wine_locale=(env LOCPATH="$WINEPREFIX/locale" LC_ALL=zh_CN.UTF-8 LANG=zh_CN.UTF-8)

finish_wine() {
    wineserver --kill 2>/dev/null || true
    finish
}
trap finish_wine EXIT

# Runs probe.exe (see its first lines for the commands).
probe() {
    "${wine_locale[@]}" wine "$probe_program" "$@"
}

# The Windows form of a Linux path, on Wine's drive Z:.
windows_path() {
    local path=${1//\//\\}
    echo "Z:$path"
}

# Starts the program and waits for its main window; sets window, title, client_x, client_y,
# client_width, client_height and frame (see probe window), and the board's place as
# tests/xvfb/session.sh's start_game does, so its click_cell, click_button and expect_colour
# serve here too.
start_windows_game() {
    (cd "$work" && exec "${wine_locale[@]}" wine "$program") >"$work/game.log" 2>&1 &
    game_pid=$!
    window=$(probe wait-window 'Tovan 中国象棋') || fail "the main window did not appear"
    eval "$(probe window "$window")"
    board_x=$((client_x + 88 + 24))
    board_y=$((client_y + 40 + 24))
    pitch=48
}

# The line of `probe controls` for the control of window $1 whose text is $2.
control_line() {
    probe controls "$1" | awk -F '\t' -v text="$2" '$7 == text { print; found = 1 } END { exit !found }'
}

# Fails unless window $1 has a control with text $2 that is $3 (enabled or disabled).
expect_control() {
    local line
    line=$(control_line "$1" "$2") || fail "no control '$2'; there are: $(probe controls "$1")"
    [ "$(cut -f 2 <<<"$line")" = "$3" ] || fail "'$2' is not $3: $line"
}

# Waits until window $1 has a control with text $2, as after the program has handled a click.
wait_for_control() {
    for _ in $(seq 600); do
        control_line "$1" "$2" >/dev/null && return 0
        sleep 0.1
    done
    fail "no control '$2' came; there are: $(probe controls "$1")"
}

# Clicks the middle of the control with text $2 of window $1.
click_control() {
    local line left top width height
    line=$(control_line "$1" "$2") || fail "no control '$2' to click"
    IFS=$'\t' read -r _ _ left top width height _ <<<"$line"
    xdotool mousemove --sync $((left + width / 2)) $((top + height / 2)) click 1
}

# Waits for a message box of the program that says $1; prints its handle. The box shows before
# it has all its controls.
wait_for_message() {
    local box
    box=$(probe wait-window 'Tovan 中国象棋' '#32770') || fail "no message box '$1' appeared"
    wait_for_control "$box" "$1"
    echo "$box"
}

# Clicks button $2 of the message box $1, once it has it, and waits for the box to close.
answer() {
    wait_for_control "$1" "$2"
    click_control "$1" "$2"
    probe wait-gone "$1" || fail "the message box stayed after '$2'"
}

# Fails unless the area ($1, $2) of $3 × $4 pixels of the last screenshot shows text $10 as GDI
# draws it under this Wine in the font $6 (family) of the font file $5, $7 pixels high, in the
# character set $8 and the colour $9 (RRGGBB): the same glyphs, whatever their place in the area.
expect_drawn_text() {
    local left=$1 top=$2 width=$3 height=$4 differing
    probe render-text "$(windows_path "$5")" "$6" "$7" "$8" "$9" "${10}" \
        "$(windows_path "$work/expected.bmp")" || fail "the probe cannot draw '${10}'"
    convert "$work/expected.bmp" -trim +repage "$work/expected.png"
    convert "$work/screen.png" -crop "${width}x${height}+${left}+${top}" -trim +repage \
        "$work/shown.png"
    differing=$(compare -metric AE "$work/expected.png" "$work/shown.png" null: 2>&1) ||
        fail "'${10}' is not drawn in $6, $7 pixels: $differing pixels differ"
}

# Waits until pixel ($2, $3) of point $1 shows the colour $4 (r,g,b), as after the program has
# handled a key.
wait_for_colour() {
    for _ in $(seq 100); do
        screenshot
        [ "$(point_colour "$1" "$2" "$3")" = "$4" ] && return 0
        sleep 0.1
    done
    fail "point $1 pixel ($2,$3) is $(point_colour "$1" "$2" "$3"), not $4"
}
