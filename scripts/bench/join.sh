#!/usr/bin/env bash
# Builds the host tools optimised and runs the join benchmark: joining
# packages of 490 and 5000 full pieces against cat + rm of the same bytes.
#   scripts/bench/join.sh [FOLDER]    FOLDER for the files (default under /tmp)
# shellcheck source=scripts/lib/common.sh
source "$(dirname "$0")/../lib/common.sh"

bench=${BENCH_BUILD:-/tmp/setup-bench}
cmake -S "$root" -B "$bench" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$bench" --target join_bench >/dev/null
"$bench/bench/join_bench" "$@"
