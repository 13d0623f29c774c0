#!/usr/bin/env bash
# A game played with the keyboard alone and followed through AT-SPI, as a screen reader
# follows it. Run under dbus-run-session: the program and the client below find the
# accessibility bus through the session bus, and the program shows itself there even with no
# screen reader running. The 90 points are read as the board's cells; Tab reaches the board,
# the arrow keys and Enter or Space play the red cannon to the centre, the black horse out and
# the cannon's capture of a soldier, then the black king's capture; every changed name, the
# selection and the status are read back, and the record is saved through the buttons and the
# Save-As dialog with the keyboard.
source "$(dirname "$0")/session.sh"
client() { /usr/bin/python3 "$(dirname "$0")/atspi_client.py" "$@"; }
listener_pid=
trap 'stop "$listener_pid"; finish' EXIT

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_x_server
start_game "$1"

expect_equal() {
    [ "$2" = "$3" ] || fail "$1: got '$2', expected '$3'"
}
name_of() {
    client names | sed -n "$(($1 + 1))p"
}
keys() {
    xdotool key --delay 30 "$@"
    sleep 0.3
}
# Moves the keyboard's cursor with the arrow keys by $1 rows and $2 columns.
move_cursor() {
    local rows=$1 cols=$2 key=Down
    [ "$rows" -lt 0 ] && key=Up && rows=$((-rows))
    for _ in $(seq "$rows"); do keys "$key"; done
    key=Right
    [ "$cols" -lt 0 ] && key=Left && cols=$((-cols))
    for _ in $(seq "$cols"); do keys "$key"; done
}

# The start position, row by row from black's side, as the cells name their pieces.
expected_names() {
    local rows=("黑 车|黑 马|黑 象|黑 士|黑 将|黑 士|黑 象|黑 马|黑 车" "" "|黑 炮||||||黑 炮|"
        "黑 卒||黑 卒||黑 卒||黑 卒||黑 卒" "" "" "红 兵||红 兵||红 兵||红 兵||红 兵"
        "|红 炮||||||红 炮|" "" "红 车|红 马|红 相|红 士|红 帅|红 士|红 相|红 马|红 车")
    local row col piece
    for row in $(seq 0 9); do
        IFS='|' read -r -a pieces <<<"${rows[$row]}|||||||||"
        for col in $(seq 0 8); do
            piece=${pieces[$col]:-空位}
            echo "$piece，第$((row + 1))行，第$((col + 1))列"
        done
    done
}

names=$(client names)
[ "$(wc -l <<<"$names")" -eq 90 ] || fail "the board shows $(wc -l <<<"$names") cells, not 90"
diff <(expected_names) <(echo "$names") >&2 || fail "the cells' names differ from the start position"
expect_equal "status" "$(client status)" "红行"

/usr/bin/python3 "$(dirname "$0")/atspi_client.py" listen "$work/events" >"$work/listener.log" 2>&1 &
listener_pid=$!
for _ in $(seq 50); do grep -q ready "$work/events" 2>/dev/null && break; sleep 0.1; done
sleep 1

# Tab goes from the focused 开局 to 认输, passes the disabled 悔棋 and 保存 and reaches the
# board, where the cursor stands on red's king.
xdotool windowfocus --sync "$window"
expect_equal "the focused object" "$(client focused)" "开局"
keys Tab
expect_equal "the focused object" "$(client focused)" "认输"
keys Tab
expect_equal "the focused point" "$(client focused)" "红 帅，第10行，第5列"

move_cursor -2 -3 && keys Return                     # red cannon, point 64
expect_equal "the selected points" "$(client selected)" "64"
move_cursor 0 3 && keys Return                       # to the centre, point 67
expect_equal "point 64" "$(name_of 64)" "空位，第8行，第2列"
expect_equal "point 67" "$(name_of 67)" "红 炮，第8行，第5列"
expect_equal "the selected points" "$(client selected)" ""
expect_equal "status" "$(client status)" "黑 行"

move_cursor -7 -3 && keys space                      # black horse, point 1
move_cursor 2 1 && keys space                        # out to point 20
expect_equal "point 20" "$(name_of 20)" "黑 马，第3行，第3列"
move_cursor 5 2 && keys KP_Enter                     # red cannon, point 67
move_cursor -4 0 && keys Return                      # takes the soldier on point 31
expect_equal "point 31" "$(name_of 31)" "红 炮，第4行，第5列"
expect_equal "point 67" "$(name_of 67)" "空位，第8行，第5列"
expect_equal "status" "$(client status)" "黑 行"

# The screen reader was told of each change as it came.
for expected in $'object:property-change:accessible-name\t0\t67\t红 炮，第8行，第5列' \
    $'object:property-change:accessible-name\t0\t64\t空位，第8行，第2列' \
    $'object:property-change:accessible-name\t0\t31\t红 炮，第4行，第5列' \
    $'object:state-changed:selected\t1\t64' \
    $'object:state-changed:selected\t0\t64' \
    $'focus:\t0\t85\t红 帅，第10行，第5列' \
    $'object:property-change:accessible-name\t0\t-\t黑 行'; do
    grep -qF "$expected" "$work/events" || fail "no event '$expected'; got: $(cat "$work/events")"
done

# Black's advisor to the palace's centre; the red cannon takes the black king.
move_cursor -3 -1 && keys Return                     # black advisor, point 3
move_cursor 1 1 && keys Return                       # to point 13
move_cursor 2 0 && keys Return                       # red cannon, point 31
move_cursor -3 0 && keys Return                      # takes the king on point 4
expect_equal "point 4" "$(name_of 4)" "红 炮，第1行，第5列"
expect_equal "status" "$(client status)" "黑 死"

# Shift+Tab goes back to 保存, the last of the buttons; Enter presses it.
record="$work/对局.tvq"
keys shift+Tab Return
save_as "$record"
expect_record "$record" 64,67,0 1,20,0 67,31,66 3,13,0 31,4,60
echo "PASS: a whole game played and saved with the keyboard, read through AT-SPI"
