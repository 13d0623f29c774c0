#!/usr/bin/env bash
# Builds the game and the benchmark programs (RelWithDebInfo, into build-bench/) and runs them
# all, printing one Markdown table. Exits with 1 when a goal is missed or a benchmark fails.
# Usage: bench/run.sh [LAUNCHES]   (start-up launches of each program, 20 unless given)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${BENCH_PACKAGES[@]}"

launches=${1:-20}
build=build-bench
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DXIANGQI_WERROR=ON >/dev/null
cmake --build "$build" --target tovan-xiangqi bench-bare-window bench-menu-titles bench-startup \
    bench-move bench-save bench-dialogs bench-save-dialog

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
details=$work/details
rows=$work/rows
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime

echo
echo "| figure | launches (game + baseline) | game | baseline | ratio | goal | met |"
echo "|---|---|---|---|---|---|---|"
status=0
"$build/bench/bench-startup" "$launches" "$build/ui/tovan-xiangqi" \
    "$build/bench/bench-bare-window" "$build/bench/bench-menu-titles" 2>>"$details" |
    tee -a "$rows" || status=1
"$build/bench/bench-move" 2>>"$details" | tee -a "$rows" || status=1
"$build/bench/bench-save" 2>>"$details" | tee -a "$rows" || status=1
# The dialogs open in an X server of their own, the platform users have.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
while [ ! -s "$work/display" ] && kill -0 "$xvfb" 2>/dev/null; do sleep 0.1; done
DISPLAY=":$(head -n 1 "$work/display")" "$build/bench/bench-dialogs" 2>>"$details" |
    tee -a "$rows" || status=1
DISPLAY=":$(head -n 1 "$work/display")" "$build/bench/bench-save-dialog" 2>>"$details" |
    tee -a "$rows" || status=1
kill "$xvfb"
grep -q '\*\*no\*\*' "$rows" && status=1
echo
cat "$details"
exit "$status"
