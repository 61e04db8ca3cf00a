#!/usr/bin/env bash
# Times `ferdix --pdf` of the full test claim against a bare Qt program that writes a PDF of
# the same number of pages, texts and lines (bench/pdf_minimal.cpp), run alternately; prints
# the median and the spread of each in milliseconds.
# Usage: bench/pdf_export.sh [RUNS]   (default 11)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-11}
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DFERDIX_BENCH=ON \
  -DFERDIX_TESTS=OFF >/dev/null
cmake --build build-bench -j2 --target ferdix pdf_minimal ferdix_default_ini >/dev/null
ferdix=build-bench/src/app/ferdix
minimal=build-bench/bench/pdf_minimal
claim=tests/data/claims/full_claim.tur
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
unset DISPLAY WAYLAND_DISPLAY

ms() {
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 || { echo "failed: $*" >&2; exit 1; }
    end=$(date +%s%N)
    echo $(((end - start) / 1000000))
}
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)] " ms (min " a[1] ", max " a[NR] ")"}'; }

# One warm-up each: the first run pays for the font cache and the page cache.
ms "$ferdix" --pdf "$out/f.pdf" "$claim" >/dev/null
ms "$minimal" "$out/m.pdf" >/dev/null
: >"$out/ferdix.txt"
: >"$out/minimal.txt"
for ((i = 0; i < runs; i++)); do
    ms "$ferdix" --pdf "$out/f.pdf" "$claim" >>"$out/ferdix.txt"
    ms "$minimal" "$out/m.pdf" >>"$out/minimal.txt"
done
echo "runs: $runs each, alternating"
echo "ferdix --pdf full_claim.tur: $(median <"$out/ferdix.txt")"
echo "bare Qt PDF, same load:      $(median <"$out/minimal.txt")"
echo "sizes: ferdix $(stat -c %s "$out/f.pdf") bytes, bare $(stat -c %s "$out/m.pdf") bytes"
