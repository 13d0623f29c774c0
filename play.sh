#!/usr/bin/env bash
# Builds the game, with warnings as errors, and starts it.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" libqt6gui6 qt6-qpa-plugins
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DXIANGQI_WERROR=ON >/dev/null
cmake --build build --target tovan-xiangqi
exec build/ui/tovan-xiangqi
