#!/usr/bin/env bash
# Makes the Wine prefix $1 afresh for the tests that run the Windows program under Wine: a
# Chinese locale, which Wine's own dialogs speak, generated into the prefix so no root is needed;
# a Chinese font for Wine's dialogs and menus, which Wine lacks and a real Windows has; and
# windows framed by Wine itself, as Windows frames them, since Xvfb has no window manager. With
# $2, the screen has that many dots per inch (96 unless given), as the user's setting in Windows'
# display settings gives it; Wine reads it before the machine's.
set -euo pipefail
prefix=$1
dots_per_inch=${2:-96}
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
readonly CHINESE_FONT=/usr/share/fonts/truetype/wqy/wqy-microhei.ttc

rm -rf "$prefix"
mkdir -p "$prefix/locale"
localedef -i zh_CN -f UTF-8 "$prefix/locale/zh_CN.UTF-8" || [ -d "$prefix/locale/zh_CN.UTF-8" ]
export LOCPATH=$prefix/locale LC_ALL=zh_CN.UTF-8
# Without a display Wine makes the prefix without showing its progress window.
DISPLAY='' wineboot --init
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dots_per_inch" /f >/dev/null
wineserver --wait
cp "$CHINESE_FONT" "$prefix/drive_c/windows/Fonts/"
echo "Wine prefix ready: $prefix"
