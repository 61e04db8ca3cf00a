#!/usr/bin/env bash
# Start-up figures: time from process start to the first exposed main window, and peak memory
# (max RSS), for Ferdix and for an empty Qt Widgets main window, run alternately; medians.
# Usage: bench/startup.sh [RUNS] [CLAIM.tur]   (RUNS defaults to 9; platform offscreen unless
# QT_QPA_PLATFORM says otherwise, e.g. xcb with DISPLAY set)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-9}
claim=${2:-}
bash scripts/deps.sh time
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DFERDIX_TESTS=OFF >/dev/null
cmake --build build-release --target ferdix >/dev/null
cmake -S bench/startup -B build-release/startup-baseline -G Ninja -DCMAKE_BUILD_TYPE=Release \
  >/dev/null
cmake --build build-release/startup-baseline >/dev/null

export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export FERDIX_EXIT_AFTER_SHOW=1
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT

# One run: prints "milliseconds-to-first-show max-rss-kB".
measure() {
  local start shown rss
  start=$(date +%s%N)
  shown=$(HOME="$home" XDG_CONFIG_HOME="$home" /usr/bin/time -f '%M' -o "$home/rss" "$@" 2>/dev/null | tail -1)
  rss=$(tail -1 "$home/rss")
  echo "$(((shown - start) / 1000)) $rss"
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }

: >"$home/ferdix" && : >"$home/baseline"
ferdix_cmd=(build-release/src/app/ferdix)
[ -n "$claim" ] && ferdix_cmd+=("$claim")
for ((i = 0; i < runs; i++)); do
  measure "${ferdix_cmd[@]}" >>"$home/ferdix"
  measure build-release/startup-baseline/min_window >>"$home/baseline"
done

for name in ferdix baseline; do
  ms=$(awk '{print $1 / 1000}' "$home/$name" | median)
  kb=$(awk '{print $2}' "$home/$name" | median)
  printf '%-9s first window %7.1f ms   max RSS %6d kB   (median of %d, %s)\n' \
    "$name" "$ms" "$kb" "$runs" "$QT_QPA_PLATFORM"
done
