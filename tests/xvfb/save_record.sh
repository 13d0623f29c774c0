#!/usr/bin/env bash
# A whole game in the real program: three moves clicked with the mouse, black resigns, and the
# record is saved through the real Save-As dialog by typing a path. The file must hold exactly
# the three lines of the game. A game of one move saved over it, its name typed in place of the
# one the dialog offers, must be asked about first, and leave the file holding its line alone.
source "$(dirname "$0")/session.sh"
start_x_server
start_game "$1"

click_cell 64 && click_cell 67  # red cannon to the centre
click_cell 1 && click_cell 20   # black horse out
click_cell 67 && click_cell 31  # red cannon takes the centre soldier

record="$work/对局.tvq"

click_button 80                                          # 认输
answer_dialog 'Tovan 中国象棋' Return     # 是, to "你真的要认输吗?"
click_button 176                                         # 保存
save_as "$record"
expect_record "$record" 64,67,0 1,20,0 67,31,66
[ "$(stat -c %s "$record")" -eq 27 ] || fail "record is not 27 bytes"

click_button 48                                      # 开局
answer_dialog 'Tovan 中国象棋' Return # 是, to "是否放弃本局?"
click_cell 64 && click_cell 67
click_button 80
answer_dialog 'Tovan 中国象棋' Return     # 是, to "你真的要认输吗?"
click_button 176
save_as "$record" 对局.tvq
expect_record "$record" 64,67,0
kill -0 "$game_pid" || fail "the program ended"
echo "PASS: the saved record holds the game's 27 bytes"
