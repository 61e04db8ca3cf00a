#!/usr/bin/env bash
# Instructions per call at 10 000 and 100 000 lines, counted by callgrind: whether a cost that
# grows faster than the lines in wall time does more work per line, or only waits longer for
# memory. Needs valgrind and a build of bench/ (bench/run_all.sh makes build-bench).
# Usage: bench/instructions.sh [BUILD]   (default build-bench)
set -euo pipefail
cd "$(dirname "$0")/.."
bench=${1:-build-bench}/bench/ferdix_bench
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
# benchmark family and the function whose calls are counted in it (PrintPage: per page, and
# the pages grow with the lines)
cases=(
  "NetAmount:CFerdixDoc::NetAmount"
  "AllowanceKeystroke:MemoryControls::Type"
  "RegisterTravelLine:CFerdixView::RegisterTravelLine"
  "FormOpenClaim:^ferdix::ReadClaim"
  "PrintLayoutOnly:CPrintJob::PrintPage"
  "ReadClaim:^ferdix::ReadClaim"
  "WriteClaimJson:^ferdix::WriteClaimJson"
)
printf '%-20s %-28s %14s %14s %7s\n' benchmark function "Ir/call 10k" "Ir/call 100k" factor
for c in "${cases[@]}"; do
  name=${c%%:*}
  fn=${c#*:}
  per=()
  for n in 10000 100000; do
    valgrind --tool=callgrind --callgrind-out-file="$out/cg" "$bench" \
      --benchmark_filter="^BM_$name/$n\$" --benchmark_min_time=0.01 >/dev/null 2>&1
    per+=("$(python3 - "$out/cg" "$fn" <<'PY'
import re, sys
names, calls, cost, callee = {}, 0, 0, ""
lines = open(sys.argv[1]).read().split("\n")
pat = re.compile(sys.argv[2])
for i, line in enumerate(lines):
    m = re.match(r"(c?fn)=\((\d+)\)(?: (.*))?", line)
    if m:
        if m.group(3):
            names[m.group(2)] = m.group(3)
        if m.group(1) == "cfn":
            callee = names.get(m.group(2), "")
    elif line.startswith("calls=") and pat.search(callee):
        calls += int(line.split("=")[1].split()[0])
        cost += int(lines[i + 1].split()[1])
print(cost // max(calls, 1))
PY
)")
  done
  printf '%-20s %-28s %14s %14s %7.2f\n' "$name" "$fn" "${per[0]}" "${per[1]}" \
    "$(echo "scale=3; ${per[1]} / ${per[0]}" | bc)"
done
