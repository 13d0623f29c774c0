#!/usr/bin/env bash
# The installer, run as an administrator deploys it: silently (/S), for the user alone. The
# program starts from its Start-menu shortcut, from where it was installed; the
# installed-programs list has its entry; the silent uninstall that entry names leaves nothing of
# the program behind: no file, no folder, no shortcut, no registry key.
# Usage: installer.sh <installer> <probe> <Wine prefix> <version>
source "$(dirname "$0")/session.sh"
readonly INSTALLER=$1 VERSION=$4
readonly KEY='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\tovan-xiangqi'

# The Windows folder that the environment variable $1 names.
windows_folder() {
    "${wine_locale[@]}" wine cmd /c echo "%$1%" | tr -d '\r'
}
unix_path() {
    "${wine_locale[@]}" winepath -u "$1"
}
# The values of the entry's registry key, one "name"=value a line, as Windows exports them.
entry_values() {
    "${wine_locale[@]}" wine reg export "$KEY" "$(windows_path "$work/entry.reg")" /y >/dev/null &&
        iconv -f UTF-16 -t UTF-8 "$work/entry.reg" | tr -d '\r' | grep '^"'
}
# The text of the entry's value $1, without the escapes of the export.
entry_text() {
    sed -n "s/^\"$1\"=\"\\(.*\\)\"\$/\\1/p" <<<"$entries" | sed 's/\\\(.\)/\1/g'
}
expect_entry() {
    [ "$(entry_text "$1")" = "$2" ] || fail "the entry's $1 is '$(entry_text "$1")', not '$2'"
}
files_of_prefix() {
    find "$WINEPREFIX/drive_c" -type f | LC_ALL=C sort
}
left_behind() {
    files_of_prefix | comm -13 "$work/files-before" -
}

start_x_server
files_of_prefix >"$work/files-before"
"${wine_locale[@]}" wine "$INSTALLER" /S || fail "the silent install failed"

# For the user alone: in the user's own programs folder, the shortcut in the user's Start menu.
folder="$(windows_folder LOCALAPPDATA)\\Programs\\Tovan 中国象棋"
shortcut="$(windows_folder APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs\\Tovan 中国象棋.lnk"
[ -f "$(unix_path "$folder")/tovan-xiangqi.exe" ] || fail "nothing was installed in $folder"
[ -f "$(unix_path "$shortcut")" ] || fail "no shortcut $shortcut"

entries=$(entry_values) || fail "no entry $KEY"
expect_entry DisplayName 'Tovan 中国象棋'
expect_entry DisplayVersion "$VERSION"
expect_entry Publisher 'Tovan 工作室'
expect_entry DisplayIcon "$folder\\tovan-xiangqi.exe"
expect_entry InstallLocation "$folder"
expect_entry UninstallString "\"$folder\\uninstall.exe\""
expect_entry QuietUninstallString "\"$folder\\uninstall.exe\" /S"
for flag in NoModify NoRepair; do
    grep -qx "\"$flag\"=dword:00000001" <<<"$entries" || fail "the entry has no $flag"
done
size=$(sed -n 's/^"EstimatedSize"=dword:\([0-9a-f]*\)$/\1/p' <<<"$entries")
installed=$(du -sk "$(unix_path "$folder")" | cut -f 1)
[ -n "$size" ] && [ $((16#$size)) -ge $((installed * 9 / 10)) ] ||
    fail "the entry's EstimatedSize ($size, hexadecimal) is not the ${installed} KB installed"

# The shortcut starts the installed program; 退出 ends it.
start_windows_game start /wait "$shortcut"
[ "$(probe program "$window")" = "$folder\\tovan-xiangqi.exe" ] ||
    fail "the shortcut started $(probe program "$window")"
xdotool key alt+c x
wait "$game_pid" || fail "the program did not end well"

# The uninstaller goes on as a copy of itself in the temporary folder, which Windows deletes at
# the next restart: here, once every program of the prefix has ended.
IFS='"' read -r _ uninstaller options <<<"$(entry_text QuietUninstallString)"
# shellcheck disable=SC2086
"${wine_locale[@]}" wine "$uninstaller" $options || fail "the silent uninstall failed"
timeout 120 wineserver --wait || fail "the uninstall did not end"
"${wine_locale[@]}" wineboot --restart
! "${wine_locale[@]}" wine reg query "$KEY" >/dev/null 2>&1 || fail "the entry stayed"
[ ! -e "$(unix_path "$folder")" ] || fail "$folder stayed: $(ls -A "$(unix_path "$folder")")"
[ ! -e "$(unix_path "$shortcut")" ] || fail "the shortcut stayed"
[ -z "$(left_behind)" ] || fail "the uninstall left: $(left_behind)"
echo "PASS: installed for the user, started from the Start menu, listed and uninstalled clean"
