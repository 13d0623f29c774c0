#!/usr/bin/env bash
# The Windows program under Wine, played as a user plays it: the window's title, frame and
# client area, the status in its fonts, the board pixel for pixel as the Linux build draws it,
# a game clicked with the mouse (a selection, moves, a refused move, a capture), black resigning
# through the real message box, the record saved through the real common Save-As dialog under a
# Chinese name, a new game, and the about box's version line.
source "$(dirname "$0")/session.sh"
# The buttons of a new game: 开局 and 认输 enabled, 悔棋 and 保存 not.
expect_new_game_buttons() {
    for button in 开局 认输; do expect_control "$window" "$button" enabled; done
    for button in 悔棋 保存; do expect_control "$window" "$button" disabled; done
}
start_x_server
start_windows_game

[ "$title" = 'Tovan 中国象棋' ] || fail "the title reads '$title'"
[ "$client_width×$client_height" = 686×581 ] ||
    fail "the client area is $client_width×$client_height, not 686×581"
[ "$frame" = 'caption sysmenu minimizebox' ] || fail "the frame has: $frame"
expect_new_game_buttons

# Neither Wine nor its prefix has 宋体 or Tahoma: the program's own fonts draw the status and
# the title's letters, in blue and red.
expect_status 红行
eventually title_drawn
expect_board

# Red's cannon to the centre: framed when picked up, then moved.
click_cell 64
framed=64 && expect_board
click_cell 67
framed= && move_shown 64 67 && expect_board
expect_status '黑 行'
expect_control "$window" 悔棋 enabled

# Black's horse picked up and clicked onto a point it cannot reach: only the frame goes. Black's
# chariot, picked up next, shows that the refused click has been handled.
click_cell 1
framed=1 && expect_board
click_cell 10 && click_cell 0
framed=0 && expect_board
expect_status '黑 行'
click_cell 0 # put back
click_cell 1 && click_cell 20 # black's horse out
move_shown 1 20
click_cell 67 && click_cell 31 # red's cannon takes the centre soldier over its own
framed= && move_shown 67 31 && expect_board
expect_status '黑 行'

# Resigning asks first; 否 changes nothing.
click_button 80 # 认输
answer_message '你真的要认输吗?' '否(&N)'
expect_control "$window" 认输 enabled
click_button 80
answer_message '你真的要认输吗?' '是(&Y)'
wait_for_control "$window" '黑 死'
expect_status '黑 死'
for button in 认输 悔棋; do expect_control "$window" "$button" disabled; done
expect_control "$window" 保存 enabled
expect_board

record="$work/对局.tvq"
click_button 176 # 保存
dialog=$(probe wait-window 另存为 '#32770') || fail "no Save-As dialog appeared"
xdotool type --delay 20 "$(windows_path "$record")"
xdotool key Return
answer_message 保存完毕。 确定
wait_for_file "$record"
expect_record "$record" 64,67,0 1,20,0 67,31,66
[ "$(stat -c %s "$record")" -eq 27 ] || fail "the record is not 27 bytes"

# The dialog offers the name saved last. Cancelled, it writes nothing and says nothing: the next
# box to come is the question of Ctrl+N, pressed after it, and 否 changes nothing.
click_button 176 # 保存
dialog=$(probe wait-window 另存为 '#32770') || fail "no Save-As dialog appeared"
wait_for_control "$dialog" 对局.tvq
xdotool key Escape
probe wait-gone "$dialog" || fail "Esc did not close the Save-As dialog"
xdotool key ctrl+n
answer_message 是否放弃本局? '否(&N)'
expect_status '黑 死'
expect_control "$window" 保存 enabled
expect_record "$record" 64,67,0 1,20,0 67,31,66

# 是 starts a new game.
xdotool key ctrl+n
answer_message 是否放弃本局? '是(&Y)'
shown=("${START_POSITION[@]}") && expect_board
expect_status 红行
expect_new_game_buttons

xdotool key alt+h a
about=$(probe wait-window '关于 tovan中国象棋') || fail "no about box appeared"
expect_control "$about" '版本 1.1.1' enabled
xdotool key Return
probe wait-gone "$about" || fail "Enter did not close the about box"
kill -0 "$game_pid" || fail "the program ended"
echo "PASS: the Windows program played, saved its 27 bytes under a Chinese name and showed 版本 1.1.1"
