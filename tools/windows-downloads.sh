#!/usr/bin/env bash
# Cross-builds the Windows program with MinGW-w64 and makes what a Windows user downloads, in
# build-windows/downloads/: the program alone, the portable zip and the installer. As root it
# installs the Debian packages it needs, as play.sh does.
# Usage: tools/windows-downloads.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages cmake ninja-build g++-mingw-w64-x86-64-posix nsis
cmake -S . -B build-windows -G Ninja --toolchain cmake/mingw-w64-x86_64.cmake \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-windows --target windows-downloads
ls -l build-windows/downloads/*.exe build-windows/downloads/*.zip
