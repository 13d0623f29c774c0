#!/usr/bin/env bash
# Saving where the record cannot go, through the real Save-As dialog: into a folder nothing may
# be written to, and over a record with Windows' read-only attribute. Each time the program
# says "保存文件错误！", and the old record stays as it was, alone in its folder.
# The tests run as root, which passes over the permission bits that Wine's file access comes
# down to: a folder without write permission would not stop the program. The immutable flag
# (chattr +i) stops root too: nothing can be created, renamed or removed in such a folder, as in
# a Windows folder the user has no right to write to. The read-only attribute Wine keeps as a
# file without write permission and tells the program, which then must not replace the file.
source "$(dirname "$0")/session.sh"

old_record() {
    printf '64,67,0\r\n' >"$1"
}
# Fails unless folder $1 holds only the old record $2.
expect_only_old_record() {
    [ "$(ls -A "$1")" = "$2" ] || fail "$1 holds: $(ls -A "$1")"
    expect_record "$1/$2" 64,67,0
}

start_x_server
locked=$work/锁定
mkdir "$locked"
old_record "$locked/对局.tvq"
chattr +i "$locked" || fail "the file system under $work cannot make a folder immutable"
trap 'chattr -i "$locked"; finish_wine' EXIT
read_only=$work/只读
mkdir "$read_only"
old_record "$read_only/对局.tvq"
"${wine_locale[@]}" wine attrib +r "$(windows_path "$read_only/对局.tvq")"
[ -z "$(find "$read_only/对局.tvq" -perm /222)" ] || fail "Wine did not make the record read-only"

start_windows_game
click_button 80 # 认输: the record of a game is saved when it has ended
answer_message '你真的要认输吗?' '是(&Y)'
wait_for_control "$window" '红 死'

for folder in "$locked" "$read_only"; do
    click_button 176 # 保存
    probe wait-window 另存为 '#32770' >/dev/null || fail "no Save-As dialog appeared"
    xdotool type --delay 20 "$(windows_path "$folder/对局.tvq")"
    xdotool key Return
    replace=$(probe wait-window 错误 '#32770') || fail "the dialog did not ask to replace the record"
    answer "$replace" '是(&Y)'
    answer_message 保存文件错误！ 确定
    expect_only_old_record "$folder" 对局.tvq
done
echo "PASS: saving into a locked folder and over a read-only record failed aloud and kept the old record"
