#!/usr/bin/env bash
# The portable zip and the program alone, as downloaded: the zip unpacks to one folder with the
# program, its licences and a read-me, and the program there, the same as the one offered alone,
# needs no DLL but Windows' own and starts with its board drawn.
# Usage: portable_zip.sh <zip> <probe> <Wine prefix> <version>
source "$(dirname "$0")/session.sh"
readonly ZIP=$1 VERSION=$4
readonly SOURCE_ROOT=$(dirname "$0")/../..
readonly FOLDER=$(basename "$ZIP" .zip)

mkdir "$work/unpacked"
(cd "$work/unpacked" && cmake -E tar xf "$ZIP") || fail "$ZIP does not unpack"
unpacked=$work/unpacked/$FOLDER
[ "$(ls -A "$work/unpacked")" = "$FOLDER" ] || fail "the zip does not hold one folder $FOLDER"
expected_files='LICENSE-song.txt LICENSE-tahoma.txt LICENSE.txt README.txt tovan-xiangqi.exe'
[ "$(LC_ALL=C ls "$unpacked" | xargs)" = "$expected_files" ] ||
    fail "the zip holds: $(ls "$unpacked" | xargs)"
cmp "$unpacked/LICENSE.txt" "$SOURCE_ROOT/LICENSE" || fail "LICENSE.txt is not the licence"
for font in song tahoma; do
    cmp "$unpacked/LICENSE-$font.txt" "$SOURCE_ROOT/ui/fonts/LICENSE-$font.txt" ||
        fail "LICENSE-$font.txt is not the font's licence"
done
grep -q "^Tovan 中国象棋 $VERSION" "$unpacked/README.txt" || fail "the read-me names no version $VERSION"
cmp "$unpacked/tovan-xiangqi.exe" "${ZIP%.zip}.exe" || fail "the zip's program is not the one alone"

system_folder="$WINEPREFIX/drive_c/windows/system32"
for dll in $(x86_64-w64-mingw32-objdump -p "$unpacked/tovan-xiangqi.exe" | sed -n 's/^\tDLL Name: //p'); do
    [ -n "$(find "$system_folder" -maxdepth 1 -iname "$dll")" ] ||
        fail "the program needs $dll, which Windows does not have"
done

start_x_server
program=$unpacked/tovan-xiangqi.exe
start_windows_game
[ "$(probe program "$window")" = "$(windows_path "$program")" ] ||
    fail "$(probe program "$window") started, not the unpacked program"
expect_board
echo "PASS: the zip unpacks to the program and its licences, and the program starts"
