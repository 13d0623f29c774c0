#!/usr/bin/env bash
# Builds the game and starts it. A compiler's warning does not stop the build: a newer compiler
# may warn of what the one the code was written with did not. test.sh builds with warnings as
# errors, in a folder of its own, so that neither rebuilds everything after the other.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" libqt6gui6 qt6-qpa-plugins
cmake -S . -B build-play -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DXIANGQI_WERROR=OFF >/dev/null
cmake --build build-play --target tovan-xiangqi
exec build-play/ui/tovan-xiangqi
