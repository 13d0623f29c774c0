#!/usr/bin/env bash
# The real program at a higher device pixel ratio, set the way desktops set it:
#   xft-dpi-192       200 %, with "Xft.dpi: 192" in the X resources before the program starts
#   scale-factor-1.5  150 %, with QT_SCALE_FACTOR=1.5
# On screenshots, a few points, the selection frame and a move show, pixel for pixel, the
# pictures shipped for that ratio; the window's icon is made for the ratio.
# Usage: hidpi.sh <program> xft-dpi-192|scale-factor-1.5
case "$2" in
xft-dpi-192) RATIO=2 ;;
scale-factor-1.5) RATIO=1.5 ;;
*) echo "unknown setting: $2" >&2 && exit 2 ;;
esac
source "$(dirname "$0")/session.sh"
bank="$(dirname "$0")/../../ui/pictures/bank-$(scaled 100).raw"
line=$(scaled 1)
side=$(($(scaled 48) - line))

# `count` bytes of the bank from byte `skip` on.
bytes() {
    dd if="$bank" iflag=skip_bytes,count_bytes skip="$1" count="$2" status=none
}

# The picture of bank index `code` as shipped for RATIO, written to $2: a record of the bank is
# the code (one byte), 256 colours (little-endian ARGB) and side × side colour indices.
bank_picture() {
    local code=$1 record=$((1 + 4 * 256 + side * side)) offset=0
    until [ "$(od -An -tu1 -j "$offset" -N1 "$bank" | tr -d ' ')" = "$code" ]; do
        offset=$((offset + record))
        [ "$offset" -lt "$(stat -c %s "$bank")" ] || fail "no picture $code in $bank"
    done
    bytes "$((offset + 1))" 1024 >"$work/colours.bgra"
    bytes "$((offset + 1025))" $((side * side)) >"$work/indices.gray"
    convert -size 256x1 -depth 8 bgra:"$work/colours.bgra" "$work/colours.png"
    convert -size "${side}x$side" -depth 8 gray:"$work/indices.gray" "$work/colours.png" \
        -interpolate integer -clut -alpha off "$2"
}

# Point `cell` shows picture `code` from its top-left corner, `inset` device pixels in.
expect_picture() {
    local cell=$1 code=$2 inset=${3:-0} x y differing
    read -r x y < <(point_pixel_position "$cell" "$inset" "$inset")
    bank_picture "$code" "$work/expected.png"
    convert "$work/screen.png" -crop "${side}x$side+$x+$y" +repage "$work/shown.png"
    differing=$(compare -metric AE "$work/shown.png" "$work/expected.png" null: 2>&1) || true
    [ "$differing" = 0 ] || fail "point $cell: $differing pixels differ from picture $code"
}

# The frame of point `cell`: its cell's outline, `line` pixels wide, black.
expect_frame() {
    local cell=$1 far=$((pitch + line - 1)) spot
    for spot in "0 0" "$far $far" "$((line - 1)) $((pitch / 2))" "$((far - line + 1)) $((pitch / 2))"; do
        # shellcheck disable=SC2086
        expect_colour "$cell" $spot 0,0,0
    done
}

start_x_server
if [ "$2" = xft-dpi-192 ]; then
    printf 'Xft.dpi: 192\n' | xrdb -nocpp -merge
else
    export QT_SCALE_FACTOR=1.5
fi
start_game "$1"
icon_size="$(scaled 32) x $(scaled 32)"
icons() {
    xprop -id "$window" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' '
}
has_icon() {
    icons | grep -q "Icon ($icon_size)"
}
wait_until has_icon || fail "no $icon_size window icon, only: $(icons)"

screenshot
expect_picture 0 64  # a black chariot
expect_picture 13 15 # the palace's centre and its four diagonals
expect_picture 64 55 # the red cannon
expect_picture 67 11 # a bare crossing

click_cell 64
screenshot
expect_frame 64
expect_picture 64 55 "$line"

click_cell 67
screenshot
expect_picture 64 11
expect_picture 67 55
echo "PASS: at $(scaled 100) % the points show the pictures drawn for it, before and after a move"
