#!/usr/bin/env bash
# Benchmark of the start-up: setup.exe under Wine in a sample distribution of
# 490 pieces, timed from its start to the visible wizard (median of RUNS),
# with the distribution check's own time beside it. With BASELINE_SETUP set
# to another setup.exe (for example a build without the check), the two take
# turns on the same distribution and the rise is printed (goal: at most 5 %).
#   bench-startup.sh [BUILD_DIR] [RUNS]   (defaults: build/, 9)
# shellcheck source=scripts/lib/common.sh
source "$(dirname "$0")/../lib/common.sh"
build=$(cd "${1:-$root/build}" && pwd)
runs=${2:-9}
# shellcheck source=scripts/lib/bench-sample.sh
source "$root/scripts/lib/bench-sample.sh"
bench=$windows/tests/demo/StartupBench.exe

args=("$(windows_path "$work/dist")" "$runs" "$(windows_path "$work/dist/setup.exe")")
if [ -n "${BASELINE_SETUP:-}" ]; then
  cp "$BASELINE_SETUP" "$work/dist/baseline.exe"
  args+=("$(windows_path "$work/dist/baseline.exe")")
fi
echo "$pieces pieces; baseline: ${BASELINE_SETUP:-none}"
wine "$bench" "${args[@]}"
