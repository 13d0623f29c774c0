#!/usr/bin/env bash
# The Debian package, end to end: cpack builds it from the build folder, its desktop entry and
# AppStream data are validated, apt-get installs it, the installed program is started in a real
# X server, and apt-get removes it again. It installs into this machine, so it runs as root in
# CI rather than under CTest. Usage: tests/install/deb_install.sh [build folder, default build]
set -euo pipefail
if [ "$(id -u)" -ne 0 ]; then
    echo "deb_install: skipped, installing a package needs root"
    echo "deb_install: 0 passed, 0 failed, 1 skipped"
    exit 0
fi
build=$(realpath "${1:-$(dirname "$0")/../../build}")
# shellcheck source=SCRIPTDIR/../xvfb/session.sh
source "$(dirname "$0")/../xvfb/session.sh"
shopt -s nullglob

package=tovan-xiangqi
passed=0

passes() {
    echo "PASS: $*"
    passed=$((passed + 1))
}

installed() {
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed'
}

# Runs apt-get quietly, showing its output only when it fails. Another apt-get at work on the
# machine holds the package database's lock: this one waits for it.
apt() {
    DEBIAN_FRONTEND=noninteractive apt-get -y -qq -o DPkg::Lock::Timeout=600 "$@" \
        >"$work/apt.log" 2>&1 ||
        fail "apt-get $* failed: $(cat "$work/apt.log")"
}

on_exit() {
    local status=$?
    if installed; then
        apt remove "$package"
    fi
    finish
    [ "$status" -eq 0 ] || echo "deb_install: $passed passed, 1 failed"
}
trap on_exit EXIT

if installed; then
    echo "Removing the $package installed before, to install the one built here"
    apt remove "$package"
fi

cmake --build "$build" # cpack takes the packaging settings as they were when last configured
deb=$(cd "$build" && cpack | sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p')
[ -f "$deb" ] || fail "cpack made no package in $build"
# Whether the package's control field $1 names package $2.
names() {
    grep -Eq "(^|, )$2( |,|$)" <<<"$(dpkg-deb -f "$deb" "$1")"
}
for needed in qt6-qpa-plugins libqt6widgets6; do
    names Depends "$needed" || fail "the package does not depend on $needed"
done
names Recommends qt6-wayland || fail "the package does not recommend qt6-wayland"
passes "cpack built $(basename "$deb"), depending on the Qt libraries and platform plug-ins," \
    "recommending Qt's Wayland plug-in"

# Debian's own checker of packages: any error or warning of it fails the package. Lintian warns
# that it runs as root, on its standard error.
lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>/dev/null ||
    fail "lintian finds faults in the package:"$'\n'"$(cat "$work/lintian.log")"
passes "lintian finds no error and no warning in the package"

tree="$work/package"
dpkg-deb -x "$deb" "$tree"
# Lintian reads the changelog but not whose version its latest entry gives.
version=$(dpkg-deb -f "$deb" Version)
latest=$(zcat "$tree/usr/share/doc/$package/changelog.gz" | dpkg-parsechangelog -l - -S Version)
[ "$latest" = "$version" ] || fail "the changelog's latest entry is $latest, the package $version"
passes "the changelog's latest entry is the package's version, $version"

entries=("$tree"/usr/share/applications/*.desktop)
[ ${#entries[@]} -eq 1 ] || fail "the package holds no single desktop entry"
entry=${entries[0]}
desktop-file-validate "$entry" || fail "desktop-file-validate rejects $(basename "$entry")"
appstreamcli validate-tree --no-net "$tree" || fail "appstreamcli rejects the package's metadata"
passes "the desktop entry and the AppStream metadata validate"

key() {
    sed -n "s/^$1=//p" "$entry"
}
[ -x "$tree/usr/games/$(key Exec)" ] || fail "Exec=$(key Exec) is not a game in the package"
icons=("$tree"/usr/share/icons/hicolor/*/apps/"$(key Icon)".png)
[ ${#icons[@]} -gt 0 ] || fail "Icon=$(key Icon) has no picture in the package"
for icon in "${icons[@]}"; do
    folder=$(basename "$(dirname "$(dirname "$icon")")")
    size=$(identify -format '%wx%h' "$icon")
    [ "$size" = "$folder" ] || fail "the icon in hicolor/$folder is $size"
done
passes "Exec and Icon name the packaged program and ${#icons[@]} icons of the right sizes"

apt install "$deb"
installed || fail "apt-get did not install $package"
# A desktop launches Exec through the PATH of the user's session, which Debian's login sets.
program=$(runuser -l nobody -s /bin/sh -c "command -v $(key Exec)" 2>/dev/null) ||
    fail "Exec=$(key Exec) is not on a user's PATH"
[ "$program" = "/usr/games/$(key Exec)" ] || fail "Exec=$(key Exec) starts $program"
if [ "$(man -w 6 "$package")" != "/usr/share/man/man6/$package.6.gz" ] ||
    [ "$(man -w -L zh_CN 6 "$package")" != "/usr/share/man/zh_CN/man6/$package.6.gz" ]; then
    fail "man does not find the pages of $package in English and in Chinese"
fi
passes "apt-get installed $package $(dpkg-query -W -f='${Version}' "$package")," \
    "its menu entry starts $program, and man has its pages in English and Chinese"

start_x_server
start_game "$program"
screenshot
expect_colour 64 1 23 255,0,0 # red's cannon on its starting point
xprop -id "$window" WM_CLASS | grep -Fq "\"$(key StartupWMClass)\"" ||
    fail "the window's class is not StartupWMClass=$(key StartupWMClass)"
kill "$game_pid"
wait "$game_pid" || true
game_pid=
passes "the installed program opened its board, in the window class its desktop entry names"

apt remove "$package"
installed && fail "$package is still installed"
while read -r file; do
    [ ! -e "/$file" ] || fail "/$file is left behind"
done < <(cd "$tree" && find . -type f -printf '%P\n')
passes "apt-get removed $package and every file it had installed"

echo "deb_install: $passed passed, 0 failed"
