#!/usr/bin/env bash
# Builds the game, with warnings as errors, and runs every test; the Windows program and its
# downloads are cross-built first (build-windows) and tested under Wine. With --sanitize, builds
# and runs the Linux tests again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" qt6-qpa-plugins xvfb xdotool imagemagick x11-utils \
    x11-xserver-utils python3-xlib inotify-tools desktop-file-utils appstream dpkg-dev file \
    dbus-daemon at-spi2-core orca speech-dispatcher speech-dispatcher-espeak-ng \
    espeak-ng locales weston qt6-wayland lintian man-db \
    g++-mingw-w64-x86-64-posix nsis wine wine64 fonts-wqy-microhei

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
    cmake -S . -B build-windows -G Ninja --toolchain cmake/mingw-w64-x86_64.cmake \
        -DXIANGQI_WERROR=ON -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build build-windows
    tools/windows-downloads.sh
    build_and_test build -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DXIANGQI_WINDOWS_BUILD="$PWD/build-windows"
fi
