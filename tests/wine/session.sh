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

# Runs probe.exe (see its first lines for the commands); one that gets no answer from the
# program in WAIT_SECONDS fails, and says so, as a frozen program never answers.
probe() {
    local status=0
    timeout "$WAIT_SECONDS" "${wine_locale[@]}" wine "$probe_program" "$@" || status=$?
    [ "$status" -ne 124 ] || echo "FAIL: probe $1 got no answer in $WAIT_SECONDS s" >&2
    return "$status"
}

# The Windows form of a Linux path, on Wine's drive Z:.
windows_path() {
    local path=${1//\//\\}
    echo "Z:$path"
}

# Starts the program, or what Wine is told to run instead ("$@"), and waits for its main
# window; sets window, title, client_x, client_y, client_width, client_height, frame and
# window_geometry (see probe window), and the board's place at RATIO as tests/xvfb/session.sh's
# start_game does, so its click_cell, click_button and expect_colour serve here too.
start_windows_game() {
    [ $# -gt 0 ] || set -- "$program"
    (cd "$work" && exec "${wine_locale[@]}" wine "$@") >"$work/game.log" 2>&1 &
    game_pid=$!
    window=$(probe wait-window 'Tovan 中国象棋') ||
        fail "the main window did not appear: $(cat "$work/game.log")"
    eval "$(probe window "$window")"
    board_x=$((client_x + $(scaled $((88 + 24)))))
    board_y=$((client_y + $(scaled $((40 + 24)))))
    pitch=$(scaled 48)
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
    wait_until control_line "$1" "$2" >/dev/null ||
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

# Waits for a message box of the program that says $1 and answers it with its button $2.
answer_message() {
    local box
    box=$(wait_for_message "$1") || exit 1
    answer "$box" "$2"
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

# Runs "$@" on fresh screenshots until it passes: the screen shows what the program has done a
# little after its windows say so. After WAIT_SECONDS, the last try's failure stands.
eventually() {
    wait_until passes_on_screen "$@" || "$@"
}
passes_on_screen() {
    screenshot
    ("$@") 2>/dev/null
}

# Fails unless the status column says $1: Label2's text, read from the window, and its
# characters but spaces drawn one under the other in the status font, in blue, at RATIO.
readonly SONG_FONT=$(dirname "${BASH_SOURCE[0]}")/../../ui/fonts/song.ttf
expect_status() {
    expect_control "$window" "$1" enabled
    eventually status_drawn "$1"
}
status_drawn() {
    local top=$((client_y + $(scaled 72))) character
    for character in $(grep -o '[^ ]' <<<"$1"); do
        expect_drawn_text $((client_x + $(scaled 16))) "$top" "$(scaled 57)" "$(scaled 56)" \
            "$SONG_FONT" 'AR PL UMing CN' "$(scaled 56)" 134 0000FF "$character"
        top=$((top + $(scaled 56)))
    done
}

# Fails unless the last screenshot shows the title's letters in Tahoma, in red, at RATIO: neither
# Wine nor its prefix has Tahoma, so they are the program's own.
readonly TAHOMA_FONT=$(dirname "${BASH_SOURCE[0]}")/../../ui/fonts/tahoma-subset.ttf
title_drawn() {
    expect_drawn_text $((client_x + $(scaled 40))) "$client_y" "$(scaled 90)" "$(scaled 41)" \
        "$TAHOMA_FONT" Tahoma "$(scaled 35)" 0 FF0000 tovan
}

# The board as the Linux build draws it at 1×, which the Windows build must show pixel for
# pixel: each point's 47 × 47 picture (ui/pictures/<picture-bank code>.png), 48 pixels apart;
# between them one-pixel gaps in the system's face colour; a framed point's picture one pixel in
# and its 49 × 49 cell's outline over it in black.
readonly POINT_PICTURES=$(dirname "${BASH_SOURCE[0]}")/../../ui/pictures
readonly BOARD_SIZE=433x481
# The points' pictures, row by row from black's side: of the bare board, and at the start.
readonly BARE_BOARD=(
    00 01 01 04 01 06 01 01 09
    10 11 11 11 15 11 11 11 19
    10 11 11 24 11 26 11 11 19
    10 11 11 11 11 11 11 11 19
    10 91 91 91 91 91 91 91 19
    10 01 01 01 01 01 01 01 19
    10 11 11 11 11 11 11 11 19
    10 11 11 74 11 76 11 11 19
    10 11 11 11 15 11 11 11 19
    90 91 91 94 91 96 91 91 99
)
readonly START_POSITION=(
    64 63 62 61 60 61 62 63 64
    10 11 11 11 15 11 11 11 19
    10 65 11 24 11 26 11 65 19
    66 11 66 11 66 11 66 11 66
    10 91 91 91 91 91 91 91 19
    10 01 01 01 01 01 01 01 19
    56 11 56 11 56 11 56 11 56
    10 55 11 74 11 76 11 55 19
    10 11 11 11 15 11 11 11 19
    54 53 52 51 50 51 52 53 54
)
# What the board must show now: `shown` the pictures, `framed` the framed point, if any.
shown=("${START_POSITION[@]}")
framed=

# The piece on point $1 goes to point $2 in `shown`, taking what was there.
move_shown() {
    shown[$2]=${shown[$1]}
    shown[$1]=${BARE_BOARD[$1]}
}

# Draws into $1 the board `shown` and `framed` call for.
draw_expected_board() {
    local face cell inset x y far
    face=$(probe system-colour 15) # COLOR_BTNFACE
    local drawing=(-size "$BOARD_SIZE" "xc:#$face")
    for cell in $(seq 0 89); do
        inset=0
        [ "$cell" != "$framed" ] || inset=1
        x=$((48 * (cell % 9) + inset)) y=$((48 * (cell / 9) + inset))
        drawing+=("$POINT_PICTURES/${shown[cell]}.png" -geometry "+$x+$y" -composite)
    done
    if [ -n "$framed" ]; then
        x=$((48 * (framed % 9))) y=$((48 * (framed / 9))) far=48
        drawing+=(+antialias -fill black -stroke none
            -draw "rectangle $x,$y $((x + far)),$y" -draw "rectangle $x,$((y + far)) $((x + far)),$((y + far))"
            -draw "rectangle $x,$y $x,$((y + far))" -draw "rectangle $((x + far)),$y $((x + far)),$((y + far))")
    fi
    convert "${drawing[@]}" "$1"
}

# Waits until the board shows `shown` and `framed`, pixel for pixel; fails naming the points
# that differ.
expect_board() {
    draw_expected_board "$work/expected-board.png"
    eventually board_drawn || fail "the board's points $(differing_points) differ from their" \
        "pictures (${shown[*]}, framed: ${framed:-none})"
}
board_drawn() {
    convert "$work/screen.png" -crop "$BOARD_SIZE+$board_x+$board_y" +repage "$work/board.png"
    compare -metric AE "$work/board.png" "$work/expected-board.png" null: 2>/dev/null
}
differing_points() {
    local cell crop
    for cell in $(seq 0 89); do
        crop=(-crop "49x49+$((48 * (cell % 9)))+$((48 * (cell / 9)))" +repage)
        convert "$work/board.png" "${crop[@]}" "$work/shown-point.png"
        convert "$work/expected-board.png" "${crop[@]}" "$work/expected-point.png"
        compare -metric AE "$work/shown-point.png" "$work/expected-point.png" null: 2>/dev/null ||
            echo -n "$cell "
    done
}
