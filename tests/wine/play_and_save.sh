#!/usr/bin/env bash
# The Windows program under Wine, played as a user plays it: the window's title, frame and
# client area, the status in its fonts, three moves clicked with the mouse, black resigning
# through the real message box, the record saved through the real common Save-As dialog under a
# Chinese name, and the about box's version line.
source "$(dirname "$0")/session.sh"
readonly SONG_FONT=$(dirname "$0")/../../ui/fonts/song.ttf
readonly TAHOMA_FONT=$(dirname "$0")/../../ui/fonts/tahoma-subset.ttf
start_x_server
start_windows_game

[ "$title" = 'Tovan 中国象棋' ] || fail "the title reads '$title'"
[ "$client_width×$client_height" = 686×581 ] ||
    fail "the client area is $client_width×$client_height, not 686×581"
[ "$frame" = 'caption sysmenu minimizebox' ] || fail "the frame has: $frame"
for button in 开局 认输; do expect_control "$window" "$button" enabled; done
for button in 悔棋 保存; do expect_control "$window" "$button" disabled; done

# Neither Wine nor its prefix has 宋体 or Tahoma: the program's own fonts draw the status and
# the title's letters, in blue and red.
screenshot
expect_drawn_text $((client_x + 16)) $((client_y + 72)) 57 56 "$SONG_FONT" 'AR PL UMing CN' 56 \
    134 0000FF 红
expect_drawn_text $((client_x + 40)) "$client_y" 90 41 "$TAHOMA_FONT" Tahoma 35 0 FF0000 tovan

click_cell 64 && click_cell 67 # red cannon to the centre
click_cell 1 && click_cell 20  # black horse out
click_cell 67 && click_cell 31 # red cannon takes the centre soldier
wait_for_control "$window" '黑 行'
expect_control "$window" 悔棋 enabled

click_button 80 # 认输
box=$(wait_for_message '你真的要认输吗?')
answer "$box" '是(&Y)'
wait_for_control "$window" '黑 死'
for button in 认输 悔棋; do expect_control "$window" "$button" disabled; done
expect_control "$window" 保存 enabled

record="$work/对局.tvq"
click_button 176 # 保存
dialog=$(probe wait-window 另存为 '#32770') || fail "no Save-As dialog appeared"
xdotool type --delay 20 "$(windows_path "$record")"
xdotool key Return
box=$(wait_for_message 保存完毕。)
answer "$box" 确定
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
box=$(wait_for_message 是否放弃本局?)
answer "$box" '否(&N)'
expect_control "$window" '黑 死' enabled
expect_control "$window" 保存 enabled
expect_record "$record" 64,67,0 1,20,0 67,31,66

xdotool key alt+h a
about=$(probe wait-window '关于 tovan中国象棋') || fail "no about box appeared"
expect_control "$about" '版本 1.1.1' enabled
xdotool key Return
probe wait-gone "$about" || fail "Enter did not close the about box"
kill -0 "$game_pid" || fail "the program ended"
echo "PASS: the Windows program played, saved its 27 bytes under a Chinese name and showed 版本 1.1.1"
