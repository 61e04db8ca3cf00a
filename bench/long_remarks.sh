#!/usr/bin/env bash
# Claims whose remarks are one word of 1 MB and of 10 MB, and 10 MB of ordinary remarks (with
# a claim of ordinary remarks for scale): `ferdix --pdf` and the window to its first shown
# frame, whole process, medians of RUNS runs, with the peak memory and the pages written.
# Every path must take time in proportion to the claim's size.
# Usage: bench/long_remarks.sh [RUNS]   (default 3). BUILD names the build tree (default
# build-bench, configured and built here when it has no program yet).
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-3}
build=${BUILD:-build-bench}
bash scripts/deps.sh time bc poppler-utils >/dev/null
if [ ! -x "$build/src/app/ferdix" ] || [ ! -x "$build/bench/make_claim" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DFERDIX_BENCH=ON \
    -DFERDIX_TESTS=OFF >/dev/null
  cmake --build "$build" -j2 --target ferdix make_claim ferdix_default_ini >/dev/null
fi
ferdix=$build/src/app/ferdix
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config
mkdir -p "$XDG_CONFIG_HOME"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

claims="words-10K:words:10000 word-1M:word:1000000 word-10M:word:10000000 words-10M:words:10000000"
for c in $claims; do
  IFS=: read -r name kind bytes <<<"$c"
  "$build/bench/make_claim" 10 "$work/$name.tur" "$kind" "$bytes"
done

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }
# Milliseconds and peak kB of one `ferdix --pdf`.
pdf_ms_rss() {
  local start end
  start=$(date +%s%N)
  /usr/bin/time -f '%M' -o "$work/rss" "$ferdix" --pdf "$work/out.pdf" "$1" >/dev/null 2>&1 ||
    { echo "failed: --pdf $1" >&2; exit 1; }
  end=$(date +%s%N)
  echo "$(echo "scale=1; ($end - $start) / 1000000" | bc) $(tail -1 "$work/rss")"
}
# Milliseconds to the first shown window and the peak kB of one start.
show_ms_rss() {
  local start shown
  start=$(date +%s%N)
  shown=$(FERDIX_EXIT_AFTER_SHOW=1 /usr/bin/time -f '%M' -o "$work/rss" "$ferdix" "$1" \
    2>/dev/null | tail -1)
  [ -n "$shown" ] || { echo "no window shown: $1" >&2; exit 1; }
  echo "$(echo "scale=1; ($shown - $start) / 1000000" | bc) $(tail -1 "$work/rss")"
}

echo "## Long remarks (whole process, medians of $runs runs; platform $QT_QPA_PLATFORM)"
echo
echo "| claim | size | --pdf ms | --pdf peak kB | pages | window shown ms | window peak kB |"
echo "|---|---|---|---|---|---|---|"
for c in $claims; do
  IFS=: read -r name kind bytes <<<"$c"
  claim=$work/$name.tur
  : >"$work/pdf" && : >"$work/show"
  for ((i = 0; i < runs; i++)); do
    pdf_ms_rss "$claim" >>"$work/pdf"
    show_ms_rss "$claim" >>"$work/show"
  done
  pages=$(pdfinfo "$work/out.pdf" | awk '/^Pages:/ {print $2}')
  printf '| %-9s | %9s | %9s | %9s | %5s | %9s | %9s |\n' "$name" "$(stat -c %s "$claim")" \
    "$(awk '{print $1}' "$work/pdf" | median)" "$(awk '{print $2}' "$work/pdf" | median)" \
    "$pages" "$(awk '{print $1}' "$work/show" | median)" \
    "$(awk '{print $2}' "$work/show" | median)"
done
