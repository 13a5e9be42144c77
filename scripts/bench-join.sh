#!/usr/bin/env bash
# Builds the host tools optimised and runs the join benchmark: joining
# packages of 490 and 5000 full pieces against cat + rm of the same bytes.
#   scripts/bench-join.sh [FOLDER]    FOLDER for the files (default under /tmp)
set -euo pipefail

build=${BENCH_BUILD:-/tmp/setup-bench}
source=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$source" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target join_bench >/dev/null
"$build/bench/join_bench" "$@"
