#!/usr/bin/env bash
# The Save-As dialog names and completes files without reading them. Typed into its name field
# and then browsed: a folder of records, a FIFO, /proc/ (whose kmsg blocks a reader), /sys/,
# /dev/ and a folder of 100,000 records. No file of the watched folder is opened, and the
# program keeps answering the window manager's pings. A frozen program never answers again, so
# each ping may take a minute: a busy machine only slows the answers. How long the folder of
# 100,000 records holds the window up is measured by bench-dialogs (bench/README.md).
source "$(dirname "$0")/session.sh"

records=$work/records
many=$work/many
mkdir "$records" "$many"
printf '64,67,0\r\n' >"$records/notes" # no name extension: a type guessed from the contents
printf '64,67,0\r\n' >"$records/old.tvq"
mkfifo "$records/pipe"
(cd "$many" && seq -f '%06g.tvq' 100000 | xargs touch)

inotifywait --monitor --event open --event access --format '%e %f' "$records" \
    >"$work/opened" 2>"$work/watch.log" &
watcher=$!
trap 'kill "$watcher" 2>/dev/null || true; finish' EXIT
until grep -q 'Watches established' "$work/watch.log"; do sleep 0.1; done

start_x_server
start_game "$1"
click_button 80                                      # 认输
answer_dialog 'Tovan 中国象棋' Return # 是
click_button 176                                     # 保存
dialog=$(wait_for_dialog '另存为') || exit 1

# Pings the dialog for about two seconds, while it lists and completes what was typed.
keeps_answering() {
    for _ in $(seq 5); do
        answers_ping "$dialog" 60 || fail "the program stopped answering with $1"
        sleep 0.2
    done
}

for typed in "$records/" "$records/pipe" /proc/ /sys/ /dev/ "$many/"; do
    xdotool windowfocus --sync "$dialog"
    xdotool key --delay 50 ctrl+a BackSpace
    xdotool type --delay 20 "$typed"
    keeps_answering "$typed typed"
    if [ -d "$typed" ]; then
        xdotool key Return # into the folder
        keeps_answering "$typed browsed"
    fi
    opened=$(grep -v ISDIR "$work/opened" || true)
    [ -z "$opened" ] || fail "the dialog read files to name them: $opened"
done
kill -0 "$game_pid" || fail "the program ended"
echo "PASS: the Save-As dialog answered throughout and read no file"
