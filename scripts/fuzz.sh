#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for SECONDS (default
# 60), side by side, keeping a corpus per target in the build folder.
#   scripts/fuzz.sh 30          a short run, as before a commit
#   scripts/fuzz.sh 600         a long run
# Prints each target's last status line (executions, coverage); exits non-zero
# when a target finds a crash, whose input is left in the build folder.
set -euo pipefail

seconds=${1:-60}
build=${FUZZ_BUILD:-/tmp/setup-fuzz}
source=$(cd "$(dirname "$0")/.." && pwd)
targets=(join_fuzz replace_fuzz)

cmake -S "$source" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DSETUP_FUZZ=ON >/dev/null
cmake --build "$build" --target "${targets[@]}" >/dev/null

pids=()
for target in "${targets[@]}"; do
  mkdir -p "$build/corpus/$target" "$build/crashes/$target"
  "$build/tests/fuzz/$target" "$build/corpus/$target" -max_total_time="$seconds" \
    -artifact_prefix="$build/crashes/$target/" -print_final_stats=1 \
    >"$build/$target.log" 2>&1 &
  pids+=($!)
done

status=0
for i in "${!targets[@]}"; do
  if wait "${pids[$i]}"; then result=clean; else result=FAILED; status=1; fi
  runs=$(grep -E '^stat::number_of_executed_units' "$build/${targets[$i]}.log" | awk '{print $2}')
  echo "${targets[$i]}: $result, ${runs:-?} executions in ${seconds}s (log: $build/${targets[$i]}.log)"
done
exit $status
