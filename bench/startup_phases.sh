#!/usr/bin/env bash
# Where the start-up time goes: Ferdix and the empty Qt main window of bench/startup, built in
# Release with the start-up marks (src/qt/startup_marks.h, CMake option FERDIX_STARTUP_MARKS,
# in build-phases/ only), run alternately; prints the median time from launch to each phase,
# in milliseconds.
# Usage: bench/startup_phases.sh [RUNS]   (default 9; platform offscreen unless QT_QPA_PLATFORM
# says otherwise, e.g. xcb with DISPLAY set)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-9}
cmake -S . -B build-phases/ferdix -G Ninja -DCMAKE_BUILD_TYPE=Release -DFERDIX_TESTS=OFF \
  -DFERDIX_STARTUP_MARKS=ON >/dev/null
cmake --build build-phases/ferdix -j2 --target ferdix ferdix_default_ini >/dev/null
cmake -S bench/startup -B build-phases/baseline -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DFERDIX_STARTUP_MARKS=ON >/dev/null
cmake --build build-phases/baseline >/dev/null

export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} FERDIX_EXIT_AFTER_SHOW=1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work XDG_CONFIG_HOME=$work/.config

# One run: "phase milliseconds-since-launch" lines.
phases() {
  local start
  start=$(date +%s%N)
  "$@" 2>&1 >/dev/null | awk -v s="$start" '$1 == "phase" {printf "%s %.2f\n", $2, ($3 * 1000 - s) / 1e6}'
}
: >"$work/f" && : >"$work/b"
for ((i = 0; i < runs; i++)); do
  phases build-phases/ferdix/src/app/ferdix >>"$work/f"
  phases build-phases/baseline/min_window >>"$work/b"
done
median() { sort -n | awk '{a[NR]=$1} END {if (NR) print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }
echo "milliseconds from launch (median of $runs, $QT_QPA_PLATFORM; load $(cut -d' ' -f1 /proc/loadavg))"
printf '%-14s %10s %10s\n' phase ferdix baseline
for p in main qapplication icon form fonts widgets menus mainframe translation claim start show \
  exposed; do
  f=$(awk -v p=$p '$1 == p {print $2}' "$work/f" | median)
  b=$(awk -v p=$p '$1 == p {print $2}' "$work/b" | median)
  printf '%-14s %10s %10s\n' "$p" "${f:--}" "${b:--}"
done
