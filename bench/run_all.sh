#!/usr/bin/env bash
# Every cost a user feels, measured in one run against the limit that sets it:
# - the library benchmarks (bench/*_bench.cpp, Google Benchmark);
# - whole-process figures as ratios to a baseline measured in the same run, the two sides run
#   alternately, medians of RUNS runs: start-up and peak memory (against an empty Qt main
#   window with a status bar, bench/startup/min_window.cpp), the start-up both offscreen (to
#   the program's own word that its window is exposed) and on an X server of its own (Xvfb, to
#   the server's map of the window, bench/map_timer.cpp), `ferdix --pdf` (against bench/pdf_minimal.cpp),
#   `ferdix --json` of a 100 000-line claim (against std::getline over the same file, 
#   bench/getline_floor.cpp), opening a 10 000-line claim in the window (against a new claim);
# - key-to-screen and click-to-screen times in the real window (bench/ui_latency.cpp);
# - `ferdix --pdf` and the window on claims with remarks of megabytes (bench/long_remarks.sh).
# Usage: bench/run_all.sh [RUNS]   (default 9; at least 5). Platform offscreen unless
# QT_QPA_PLATFORM says otherwise. The X server takes display FERDIX_BENCH_DISPLAY (a number),
# else the first free one that Xvfb finds.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-9}
((runs >= 5)) || { echo "RUNS must be at least 5" >&2; exit 2; }
bash scripts/deps.sh time bc xvfb libx11-dev >/dev/null

build=build-bench
cmake -S . -B $build -G Ninja -DCMAKE_BUILD_TYPE=Release -DFERDIX_BENCH=ON -DFERDIX_TESTS=OFF \
  >/dev/null
cmake --build $build -j2 --target ferdix ferdix_bench make_claim getline_floor pdf_minimal \
  ui_latency map_timer ferdix_default_ini >/dev/null
cmake -S bench/startup -B $build/startup-baseline -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build $build/startup-baseline >/dev/null

ferdix=$build/src/app/ferdix
work=$(mktemp -d)
xvfb_pid=
trap '[ -z "$xvfb_pid" ] || kill "$xvfb_pid"; rm -rf "$work"' EXIT
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config
mkdir -p "$XDG_CONFIG_HOME"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
for n in 10000 100000; do
  $build/bench/make_claim $n "$work/claim$n.tur"
done
full=tests/data/claims/full_claim.tur

echo "# Ferdix performance run"
echo "date: $(date -u '+%Y-%m-%d %H:%M UTC'); host: $(nproc) cores, $(uname -r)"
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "platform: $QT_QPA_PLATFORM; whole-process figures: medians of $runs alternating runs"
echo

# ---- Library benchmarks
echo "## Library (Google Benchmark, release build)"
echo
$build/bench/ferdix_bench --benchmark_min_time=0.2 --benchmark_format=console 2>/dev/null |
  grep -E '^(BM_|-|Benchmark)' >"$work/lib"
sed 's/^/    /' "$work/lib"
echo
echo "Growth from 10 000 to 100 000 lines, wall time (limit 11):"
echo
awk '
  function ns(v, u) { return v * (u == "ms" ? 1e6 : u == "us" ? 1e3 : u == "s" ? 1e9 : 1) }
  $1 ~ /^BM_/ {
    n = split($1, part, "/")
    if (n != 2) next
    t[part[1], part[2]] = ns($2, $3)
    if (!(part[1] in seen)) { seen[part[1]] = 1; order[++k] = part[1] }
  }
  END {
    for (i = 1; i <= k; i++) {
      b = order[i]
      if (t[b, "10000"] && t[b, "100000"])
        printf "    %-26s %6.2f\n", b, t[b, "100000"] / t[b, "10000"]
    }
  }' "$work/lib"
echo

# ---- Whole-process figures
# Milliseconds of one run of a command (output thrown away); fails loudly.
run_ms() {
  local start end
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1 || { echo "failed: $*" >&2; exit 1; }
  end=$(date +%s%N)
  echo "scale=2; ($end - $start) / 1000000" | bc
}
# Milliseconds to the first exposed window and the peak RSS in kB, of one start.
show_ms_rss() {
  local start shown
  start=$(date +%s%N)
  shown=$(FERDIX_EXIT_AFTER_SHOW=1 /usr/bin/time -f '%M' -o "$work/rss" "$@" 2>/dev/null | tail -1)
  [ -n "$shown" ] || { echo "no window shown: $*" >&2; exit 1; }
  echo "$(echo "scale=2; ($shown - $start) / 1000000" | bc) $(tail -1 "$work/rss")"
}
median() { sort -n | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }
col() { awk -v c="$1" '{print $c}' "$2" | median; }
row() { # name, measured, baseline, unit, limit (- for none)
  local ratio verdict=""
  ratio=$(echo "scale=3; $2 / $3" | bc)
  if [ "$5" != "-" ]; then
    verdict=$([ "$(echo "$ratio <= $5" | bc)" = 1 ] && echo met || echo MISS)
  fi
  printf '| %-44s | %10s %-2s | %10s %-2s | %6.2f | %4s | %-4s |\n' "$1" "$2" "$4" "$3" "$4" \
    "$ratio" "$5" "$verdict"
}

# One warm-up of each: the first run pays for the page cache and the font cache.
show_ms_rss "$ferdix" >/dev/null
show_ms_rss $build/startup-baseline/min_window >/dev/null
run_ms "$ferdix" --pdf "$work/f.pdf" "$full" >/dev/null
run_ms $build/bench/pdf_minimal "$work/m.pdf" >/dev/null
run_ms "$ferdix" --json "$work/claim100000.tur" >/dev/null
run_ms $build/bench/getline_floor "$work/claim100000.tur" >/dev/null

: >"$work/start" && : >"$work/base" && : >"$work/pdf" && : >"$work/pdfmin" && : >"$work/json"
: >"$work/getline" && : >"$work/open10k" && : >"$work/open100k" && : >"$work/json10k"
for ((i = 0; i < runs; i++)); do
  show_ms_rss "$ferdix" >>"$work/start"
  show_ms_rss $build/startup-baseline/min_window >>"$work/base"
  run_ms "$ferdix" --pdf "$work/f.pdf" "$full" >>"$work/pdf"
  run_ms $build/bench/pdf_minimal "$work/m.pdf" >>"$work/pdfmin"
  run_ms "$ferdix" --json "$work/claim100000.tur" >>"$work/json"
  run_ms $build/bench/getline_floor "$work/claim100000.tur" >>"$work/getline"
  run_ms "$ferdix" --json "$work/claim10000.tur" >>"$work/json10k"
  show_ms_rss "$ferdix" "$work/claim10000.tur" >>"$work/open10k"
  show_ms_rss "$ferdix" "$work/claim100000.tur" >>"$work/open100k"
done

# ---- Start-up on an X server: from launch to the server's map of the window, medians of
# alternating runs. The window of a new claim is named "Ferdix - ...", the baseline's after its
# program.
if [ -n "${FERDIX_BENCH_DISPLAY:-}" ]; then
  Xvfb ":$FERDIX_BENCH_DISPLAY" -screen 0 1920x1080x24 -nolisten tcp 2>/dev/null &
  xvfb_pid=$!
  display=$FERDIX_BENCH_DISPLAY
  for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X$display" ] && [ "$(tr -d ' ' <"/tmp/.X$display-lock" 2>/dev/null)" = "$xvfb_pid" ] &&
      break
    sleep 0.1
  done
  kill -0 "$xvfb_pid" 2>/dev/null || { echo "display :$display is taken" >&2; exit 1; }
else
  Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
  xvfb_pid=$!
  for _ in $(seq 50); do
    [ -s "$work/display" ] && break
    sleep 0.1
  done
  display=$(head -1 "$work/display")
fi
x_start() { DISPLAY=":$display" QT_QPA_PLATFORM=xcb $build/bench/map_timer "$@" 2>/dev/null; }
x_start "Ferdix - " "$ferdix" >/dev/null
x_start min_window $build/startup-baseline/min_window >/dev/null
: >"$work/xstart" && : >"$work/xbase"
for ((i = 0; i < runs; i++)); do
  x_start "Ferdix - " "$ferdix" >>"$work/xstart"
  x_start min_window $build/startup-baseline/min_window >>"$work/xbase"
done
kill "$xvfb_pid" 2>/dev/null || true
xvfb_pid=

echo "## Whole process (ratio = Ferdix / baseline)"
echo
echo "| cost | Ferdix | baseline | ratio | limit | |"
echo "|---|---|---|---|---|---|"
row "start-up to first shown window, new claim" "$(col 1 "$work/start")" "$(col 1 "$work/base")" \
  ms 1.3
row "start-up on Xvfb to the map of the window" "$(col 1 "$work/xstart")" "$(col 1 "$work/xbase")" \
  ms 1.3
row "processor time to that map (all threads)" "$(col 2 "$work/xstart")" "$(col 2 "$work/xbase")" \
  ms "-"
row "peak memory (max RSS), new claim" "$(col 2 "$work/start")" "$(col 2 "$work/base")" kB 1.3
row "--pdf full_claim.tur vs bare QPdfWriter" "$(col 1 "$work/pdf")" "$(col 1 "$work/pdfmin")" ms 1.5
row "--json 100 000 lines vs std::getline" "$(col 1 "$work/json")" "$(col 1 "$work/getline")" ms 3
row "open 10 000 lines vs new claim, to shown" "$(col 1 "$work/open10k")" "$(col 1 "$work/start")" \
  ms "-"
echo
echo "Growth from 10 000 to 100 000 lines (limit 11):"
echo
echo "| cost | 10 000 lines | 100 000 lines | factor |"
echo "|---|---|---|---|"
growth() {
  printf '| %-40s | %10s %-2s | %10s %-2s | %6.2f |\n' "$1" "$2" "$4" "$3" "$4" \
    "$(echo "scale=3; $3 / $2" | bc)"
}
growth "--json, whole process" "$(col 1 "$work/json10k")" "$(col 1 "$work/json")" ms
growth "open in the window to shown, whole process" "$(col 1 "$work/open10k")" \
  "$(col 1 "$work/open100k")" ms
growth "open in the window, peak memory" "$(col 2 "$work/open10k")" "$(col 2 "$work/open100k")" kB
echo

# ---- The real window
echo "## Key and click to screen, 10 000-line claim (limit 16 ms)"
echo
$build/bench/ui_latency "$work/claim10000.tur" 300 2>/dev/null | sed 's/^/    /'
echo

# ---- Remarks of megabytes (bench/long_remarks.sh)
BUILD=$build bash bench/long_remarks.sh 3
echo
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
