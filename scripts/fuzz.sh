#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, replays each target's corpus (fuzz/corpus/TARGET),
# then fuzzes each target for a while. New inputs go to a scratch folder unless --merge is
# given, which minimises them into the corpus afterwards (one input per new edge, so the corpus
# stays a few hundred files).
# Usage: scripts/fuzz.sh [--merge] [--no-build] [seconds per target] [targets...]
set -euo pipefail
cd "$(dirname "$0")/.."

merge=0
build=1
while [[ ${1:-} == --* ]]; do
  case $1 in
    --merge) merge=1 ;;
    --no-build) build=0 ;;
    *) echo "unknown option $1" >&2; exit 2 ;;
  esac
  shift
done
seconds=${1:-20}
shift || true
targets=("$@")
if ((${#targets[@]} == 0)); then
  targets=(read_claim open_claim ini countries parse_date parse_time parse_amount print_claim)
fi

out=build-fuzz
if ((build)); then
  bash scripts/deps.sh clang libclang-rt-14-dev
  cmake -S . -B "$out" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DFERDIX_WERROR=ON -DFERDIX_FUZZ=ON -DFERDIX_TESTS=OFF -DFERDIX_QT=OFF >/dev/null
  cmake --build "$out" --target fuzz_targets
fi

# Leaks are errors; a hang of 10 s is one too.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1
for t in "${targets[@]}"; do
  bin=$out/fuzz/${t}_fuzz
  corpus=fuzz/corpus/$t
  scratch=$(mktemp -d)
  log=$scratch.log
  echo "== $t: replaying $(find "$corpus" -type f | wc -l) inputs"
  if ! "$bin" -timeout=10 -rss_limit_mb=2048 "$corpus"/* >"$log" 2>&1; then
    tail -n 60 "$log"
    exit 1
  fi
  if ((seconds > 0)); then
    echo "== $t: fuzzing ${seconds}s"
    status=0
    "$bin" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=8192 \
      -print_final_stats=1 -artifact_prefix="$out/$t-" "$scratch" "$corpus" >"$log" 2>&1 ||
      status=$?
    grep -E '^(#[0-9]+[[:space:]]+DONE|stat::|==[0-9]+==|SUMMARY|invariant)' "$log" || true
    if ((merge && status == 0)); then
      mkdir -p "$scratch.merged"
      "$bin" -merge=1 -use_counters=0 -timeout=10 -max_len=8192 "$scratch.merged" "$corpus" "$scratch" \
        >/dev/null 2>&1
      rm -rf "$corpus" && mv "$scratch.merged" "$corpus"
    fi
    if ((status != 0)); then
      tail -n 60 "$log"
      echo "== $t: fuzzing found a fault; the input is in $out/$t-*" >&2
      exit 1
    fi
  fi
  rm -rf "$scratch" "$scratch.merged" "$log"
done
echo "fuzzing passed"
