#!/usr/bin/env bash
# Games played with the keyboard alone while Debian's screen reader, Orca, runs with its default
# settings and speaks Chinese, as a blind player meets the program. What Orca speaks is read from
# its debug log, step by step: after each key it must have said exactly the texts expected, apart
# from the keys it echoes. A resignation and a new game are spoken after their questions; each
# arrow key reads the one point it moves to; a piece picked up, a refused move, each move with
# its capture and the side to move next, a take-back, the status asked for with S and the king's
# capture are spoken too. The about box, opened from the menu with the keyboard, is read whole as
# it opens. The record is saved with the keyboard. Run under dbus-run-session, with the program
# and its version.
# SPEECH_TIMEOUT (seconds, 60 unless set) is how long a step waits for Orca to speak before it
# counts as silent.
source "$(dirname "$0")/session.sh"
here=$(dirname "$0")
log="$work/orca.log"
bus_pid=
orca_pid=
trap 'end_process "$orca_pid"; stop_speech_server; stop "$bus_pid"; finish' EXIT

# Orca refuses to start while another Orca of the same user runs, so the next test must not find
# this one still ending: it is asked to end, and made to after ten seconds.
end_process() {
    [ -n "$1" ] || return 0
    kill "$1" 2>/dev/null || return 0
    for _ in $(seq 100); do
        kill -0 "$1" 2>/dev/null || break
        sleep 0.1
    done
    kill -KILL "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

# Orca speaks through speech-dispatcher and espeak-ng into a sound device that drops everything,
# so no sound server is needed; its own texts are Chinese, from a locale built here, not in /etc.
# Everything it keeps stays in this test's folder.
start_screen_reader() {
    ! pgrep -u "$(id -u)" -x orca >/dev/null ||
        fail "Orca already runs for this user; the test needs an Orca of its own"
    export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
    export XDG_DATA_HOME="$work/home/.local/share" XDG_CACHE_HOME="$work/home/.cache"
    export XDG_RUNTIME_DIR="$work/runtime"
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"
    mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher" "$work/locale"
    sed 's/^# *AudioOutputMethod .*/AudioOutputMethod "alsa"/' /etc/speech-dispatcher/speechd.conf \
        >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
    echo 'pcm.!default { type null }' >"$HOME/.asoundrc"
    localedef -i zh_CN -f UTF-8 "$work/locale/zh_CN.UTF-8"
    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/bus.log" 2>&1 &
    bus_pid=$!
    LOCPATH="$work/locale" LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 \
        /usr/bin/python3 "$here/orca_line_buffered.py" --debug-file "$log" >"$work/orca.out" 2>&1 &
    orca_pid=$!
    wait_until_said "屏幕阅读器启用。" 0 || fail "Orca did not start: $(tail -n 5 "$work/orca.out")"
}
stop_speech_server() {
    local pid_file="$XDG_RUNTIME_DIR/speech-dispatcher/pid/speech-dispatcher.pid"
    if [ -s "$pid_file" ]; then stop "$(cat "$pid_file")"; fi
}

# The texts Orca has spoken so far, one a line, without the keys it echoes, which end in a space.
spoken() {
    sed -n "s/^.* - SPEECH OUTPUT: '\(.*\)' \{0,1\}{'established.*$/\1/p" "$log" 2>/dev/null | grep -v ' $' ||
        true
}
# Waits until Orca has said text $1 after the first $2 texts; fails after SPEECH_TIMEOUT seconds.
wait_until_said() {
    local tries
    for tries in $(seq "$((${SPEECH_TIMEOUT:-60} * 10))"); do
        spoken | tail -n +$(($2 + 1)) | grep -Fxq -- "$1" && return 0
        sleep 0.1
    done
    return 1
}

# say KEY... -- TEXT...: presses the keys, waits until Orca has said the last text and counts a
# failure unless it said exactly these texts, in this order, since the keys were pressed.
# answer KEY... -- TEXT... does the same in the question box open now.
failures=0
press=press_keys
press_keys() {
    xdotool key --delay 30 "$@"
}
answer() {
    press=answer_question say "$@"
}
# Presses the keys in the question box (or in the box titled $box_title), and once it has closed
# gives the main window the focus again, as a window manager does.
answer_question() {
    local box
    box=$(wait_for_dialog "${box_title:-Tovan 中国象棋}") || exit 1
    press_keys "$@"
    wait_until window_closed "$box" || true
    xdotool windowfocus --sync "$window"
}
say() {
    local keys=()
    while [ "$1" != -- ]; do
        keys+=("$1")
        shift
    done
    shift
    local before expected said
    before=$(spoken | wc -l)
    expected=$(printf '%s\n' "$@")
    "$press" "${keys[@]}"
    wait_until_said "${!#}" "$before" || true
    said=$(spoken | tail -n +$((before + 1)))
    if [ "$said" != "$expected" ]; then
        failures=$((failures + 1))
        echo "FAIL: after ${keys[*]} Orca said [$(paste -sd '|' <<<"$said")]," \
            "expected [$(paste -sd '|' <<<"$expected")]" >&2
    fi
}

# What stands on each point, as the program names it; points not listed are empty.
declare -A pieces
row_of_pieces() {
    local first=$1 col=0 piece
    shift
    for piece in "$@"; do
        [ "$piece" = - ] || pieces[$((first + col))]=$piece
        col=$((col + 1))
    done
}
row_of_pieces 0 "黑 车" "黑 马" "黑 象" "黑 士" "黑 将" "黑 士" "黑 象" "黑 马" "黑 车"
row_of_pieces 18 - "黑 炮" - - - - - "黑 炮" -
row_of_pieces 27 "黑 卒" - "黑 卒" - "黑 卒" - "黑 卒" - "黑 卒"
row_of_pieces 54 "红 兵" - "红 兵" - "红 兵" - "红 兵" - "红 兵"
row_of_pieces 63 - "红 炮" - - - - - "红 炮" -
row_of_pieces 81 "红 车" "红 马" "红 相" "红 士" "红 帅" "红 士" "红 相" "红 马" "红 车"

point_name() {
    echo "${pieces[$1]:-空位}，第$(($1 / 9 + 1))行，第$(($1 % 9 + 1))列"
}
# Moves the piece on point $1 to point $2 in the list above, as the program does.
move_piece() {
    pieces[$2]=${pieces[$1]}
    unset "pieces[$1]"
}

# The keyboard's cursor, on red's king at the start; go_to walks it to point $1 with the arrow
# keys, rows first, and Orca must read each point it passes, and that point alone.
cursor=85
go_to() {
    local step key
    while [ "$cursor" -ne "$1" ]; do
        if [ $((cursor / 9)) -ne $(($1 / 9)) ]; then
            step=9 key=Down
        else
            step=1 key=Right
        fi
        if [ "$cursor" -gt "$1" ]; then
            step=$((-step)) && key=${key/Down/Up} && key=${key/Right/Left}
        fi
        cursor=$((cursor + step))
        say "$key" -- "$(point_name $cursor)."
    done
}

start_x_server
start_screen_reader
start_game "$1"

xdotool windowfocus --sync "$window"
wait_until_said "开局 按钮." 0 || fail "Orca did not read the focused button 开局"

say alt+h -- "关于(A)"
say Return -- "关于 tovan中国象棋 对话框 版本 $2。作者：tovan 工作室。本软件受著作权法保护，未经许可不得复制。" \
    "确定 按钮."
box_title='关于 tovan中国象棋' answer Escape -- "Tovan 中国象棋 框架." "开局 按钮."

# Red resigns at once, and a new game starts; Enter answers each question Yes.
say Tab -- "认输 按钮."
say Return -- "警告 Tovan 中国象棋." "你真的要认输吗?" "是(Y) 按钮."
answer Return -- "Tovan 中国象棋 框架." "开局 按钮." "红方认输。红方输了."
say ctrl+n -- "警告 Tovan 中国象棋." "是否放弃本局?" "是(Y) 按钮."
answer Return -- "Tovan 中国象棋 框架." "开局 按钮." "新的一局开始。轮到红方."

# Tab reaches the board, where the cursor stands on red's king; S tells whose move it is. The king
# cannot go two points forward.
say Tab -- "认输 按钮."
say Tab -- "棋盘 面板." "红 帅，第10行，第5列."
say s -- "轮到红方."
say Return -- "拿起红 帅."
go_to 67
say Return -- "红 帅不能这样走."

# The red cannon to the centre, picked up with Space and put down with Enter.
go_to 64
say space -- "已选中" "拿起红 炮."
go_to 67
say Return -- "红 炮八平五，从第8行第2列到第8行第5列。轮到黑方."
move_piece 64 67

go_to 1
say Return -- "拿起黑 马."
go_to 20
say space -- "黑 马2进3，从第1行第2列到第3行第3列。轮到红方."
move_piece 1 20

# The cannon takes the centre soldier; the capture is taken back with 悔棋 and made again.
capture_soldier() {
    go_to 67
    say Return -- "拿起红 炮."
    go_to 31
    say Return -- "红 炮五进四，从第8行第5列到第4行第5列，吃黑 卒。轮到黑方."
}
capture_soldier
say shift+Tab -- "悔棋 按钮."
say Return -- "悔棋，收回红 炮五进四，从第8行第5列到第4行第5列，吃黑 卒。轮到红方."
say Tab -- "棋盘 面板." "$(point_name 31)."
capture_soldier
move_piece 67 31

# Black's advisor to the palace's centre; the cannon takes the black king, and the game is over.
go_to 3
say Return -- "拿起黑 士."
go_to 13
say Return -- "黑 士4进5，从第1行第4列到第2行第5列。轮到红方."
move_piece 3 13
go_to 31
say Return -- "拿起红 炮."
go_to 4
say Return -- "红 炮五进三，从第4行第5列到第1行第5列，吃黑 将。黑方输了."
say space -- "对局已经结束。黑方输了."
say s -- "黑方输了."

# Shift+Tab goes back to 保存, the last of the buttons; Enter presses it.
say shift+Tab -- "保存 按钮."
record="$work/对局.tvq"
xdotool key Return
save_as "$record"
expect_record "$record" 64,67,0 1,20,0 67,31,66 3,13,0 31,4,60

[ "$failures" -eq 0 ] || fail "Orca said something else than expected $failures times"
echo "PASS: Orca spoke every point, move, refusal, take-back, turn and ending of a keyboard game"
