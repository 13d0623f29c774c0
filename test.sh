#!/usr/bin/env bash
# Builds the game, with warnings as errors, and runs every test. With --sanitize, builds and
# runs them again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" qt6-qpa-plugins xvfb xdotool imagemagick x11-utils \
    x11-xserver-utils python3-xlib inotify-tools desktop-file-utils appstream dpkg-dev file \
    dbus-daemon at-spi2-core orca speech-dispatcher speech-dispatcher-espeak-ng \
    espeak-ng locales weston qt6-wayland lintian man-db

build_and_test() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja -DXIANGQI_WERROR=ON "$@" >/dev/null
    cmake --build "$dir"
    ctest --test-dir "$dir" --output-on-failure --timeout 300
}

if [ "${1:-}" = "--sanitize" ]; then
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    # The benchmarks are built by the normal build; they are no tests, so not again here.
    build_and_test build-sanitize -DCMAKE_BUILD_TYPE=Debug -DXIANGQI_SANITIZE=ON \
        -DXIANGQI_BENCH=OFF
else
    build_and_test build -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
