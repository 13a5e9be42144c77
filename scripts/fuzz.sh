#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for SECONDS (default
# 60), one after the other, keeping a corpus per target in the build folder.
#   scripts/fuzz.sh 30          a short run, as before a commit
#   scripts/fuzz.sh 600         a long run
# Inputs may be FUZZ_MAX_LEN bytes long (default 50000: several full pieces
# of 10,048 bytes, far past libFuzzer's own default of 4,096).
# Prints each target's executions, coverage and corpus; exits non-zero when
# a target finds a crash, whose input is left in the build folder.
set -euo pipefail

seconds=${1:-60}
max_len=${FUZZ_MAX_LEN:-50000}
build=${FUZZ_BUILD:-/tmp/setup-fuzz}
source=$(cd "$(dirname "$0")/.." && pwd)
targets=(join_fuzz replace_fuzz)

cmake -S "$source" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DSETUP_FUZZ=ON >/dev/null
cmake --build "$build" --target "${targets[@]}" >/dev/null

status=0
for target in "${targets[@]}"; do
  mkdir -p "$build/corpus/$target" "$build/crashes/$target"
  if "$build/tests/fuzz/$target" "$build/corpus/$target" -max_total_time="$seconds" \
    -max_len="$max_len" -artifact_prefix="$build/crashes/$target/" -print_final_stats=1 \
    >"$build/$target.log" 2>&1; then
    result=clean
  else
    result=FAILED
    status=1
  fi
  runs=$(grep -E '^stat::number_of_executed_units' "$build/$target.log" | awk '{print $2}')
  last=$(grep -E '^#[0-9]+' "$build/$target.log" | tail -1 | grep -oE 'cov: [0-9]+ ft: [0-9]+ corp: [0-9]+/[0-9]+[a-zA-Z]*' || true)
  echo "$target: $result, ${runs:-?} executions in ${seconds}s, -max_len=$max_len, ${last:-no status line} (log: $build/$target.log)"
done
exit $status
