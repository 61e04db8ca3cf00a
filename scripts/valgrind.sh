#!/usr/bin/env bash
# Runs the library's test suite (not the Qt tests) under Valgrind's memcheck: any invalid
# access, use of an uninitialised value or leak fails the run. The run itself takes under a
# minute; a fresh build folder adds the build.
# Usage: scripts/valgrind.sh [build folder] [extra gtest arguments...]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-valgrind}
shift || true
bash scripts/deps.sh valgrind
if [[ ! -x $build/tests/ferdix_tests ]]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFERDIX_WERROR=ON \
    -DFERDIX_TESTS=ON -DFERDIX_QT=OFF >/dev/null
fi
cmake --build "$build" --target ferdix_tests
start=$(date +%s)
valgrind --tool=memcheck --error-exitcode=1 --leak-check=full --quiet \
  --suppressions=scripts/valgrind.supp "$build/tests/ferdix_tests" --gtest_brief=1 \
  "$@"
echo "valgrind: the library tests passed in $(($(date +%s) - start)) s"
