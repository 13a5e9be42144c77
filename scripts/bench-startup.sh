#!/usr/bin/env bash
# Benchmark of the start-up: setup.exe under Wine in a sample distribution of
# 490 pieces, timed from its start to the visible wizard (median of RUNS),
# with the distribution check's own time beside it. With BASELINE_SETUP set
# to another setup.exe (for example a build without the check), that one is
# timed on the same distribution too and the rise is printed (goal: at most
# 5 %).
#   bench-startup.sh [BUILD_DIR] [RUNS]   (defaults: build/, 9)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
runs=${2:-9}
# shellcheck source=scripts/bench-sample.sh
source "$root/scripts/bench-sample.sh"
bench=$build/windows/tests/demo/StartupBench.exe

echo "this build ($pieces pieces):"
current=$(wine "$bench" "$(windows_path "$work/dist/setup.exe")" "$(windows_path "$work/dist")" "$runs")
echo "$current"
if [ -n "${BASELINE_SETUP:-}" ]; then
  cp "$BASELINE_SETUP" "$work/dist/baseline.exe"
  echo "baseline ($BASELINE_SETUP):"
  baseline=$(wine "$bench" "$(windows_path "$work/dist/baseline.exe")" "$(windows_path "$work/dist")" "$runs")
  echo "$baseline"
  awk -v a="$(awk '/start to visible wizard/ {print $6}' <<<"$current")" \
    -v b="$(awk '/start to visible wizard/ {print $6}' <<<"$baseline")" \
    'BEGIN { printf "rise of the median: %.1f %% (goal <= 5 %%)\n", 100 * (a - b) / b }'
fi
