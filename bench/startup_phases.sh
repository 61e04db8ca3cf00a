#!/usr/bin/env bash
# Where the start-up time goes: Ferdix and the empty Qt main window of bench/startup, built
# with the marks of bench/startup_phases.patch (a copy of the tree in build-phases/), run
# alternately; prints the median time from launch to each phase, in milliseconds.
# Usage: bench/startup_phases.sh [RUNS]   (default 9)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-9}
root=$PWD
tree=build-phases/tree
mkdir -p "$tree"
# Files keep their commit times, so a second run rebuilds only what changed.
git archive HEAD | tar -x -C "$tree"
(cd "$tree" && patch -p1 -s <"$root/bench/startup_phases.patch")
cmake -S "$tree" -B build-phases/ferdix -G Ninja -DCMAKE_BUILD_TYPE=Release -DFERDIX_TESTS=OFF \
  >/dev/null
cmake --build build-phases/ferdix -j2 --target ferdix ferdix_default_ini >/dev/null
cmake -S "$tree/bench/startup" -B build-phases/baseline -G Ninja -DCMAKE_BUILD_TYPE=Release \
  >/dev/null
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
for p in main qapplication icon form fonts widgets mainframe start show exposed; do
  f=$(awk -v p=$p '$1 == p {print $2}' "$work/f" | median)
  b=$(awk -v p=$p '$1 == p {print $2}' "$work/b" | median)
  printf '%-14s %10s %10s\n' "$p" "${f:--}" "${b:--}"
done
