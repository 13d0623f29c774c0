#!/usr/bin/env bash
# A whole game in the real program: three moves clicked with the mouse, black resigns, and the
# record is saved through the real Save-As dialog by typing a path. The file must hold exactly
# the three lines of the game.
source "$(dirname "$0")/session.sh"
start_x_server
start_game "$1"

click_cell 64 && click_cell 67  # red cannon to the centre
click_cell 1 && click_cell 20   # black horse out
click_cell 67 && click_cell 31  # red cannon takes the centre soldier

xdotool mousemove --sync $((client_x + 584 + 44)) $((client_y + 80 + 12)) click 1  # 认输
sleep 0.8
press Return                    # "你真的要认输吗?" answered with the default, 是
xdotool mousemove --sync $((client_x + 584 + 44)) $((client_y + 176 + 12)) click 1 # 保存
sleep 1.5
record="$work/对局.tvq"
xdotool type --delay 20 "$record"
press Return                    # the Save-As dialog
sleep 0.5
press Return                    # "保存完毕。"

[ -f "$record" ] || fail "no record was written"
expected=$(printf '64,67,0\r\n1,20,0\r\n67,31,66\r\n' | od -An -tx1)
actual=$(od -An -tx1 "$record")
[ "$actual" = "$expected" ] || fail "record bytes differ:$actual"
[ "$(stat -c %s "$record")" -eq 27 ] || fail "record is not 27 bytes"
kill -0 "$game_pid" || fail "the program ended"
echo "PASS: the saved record holds the game's 27 bytes"
