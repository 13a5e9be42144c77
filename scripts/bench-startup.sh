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
pieces=490
work=$(mktemp -d)
trap '"$root/scripts/wine-session.sh" down "$work" >/dev/null 2>&1 || true; rm -rf "$work"' EXIT

"$root/scripts/make-distribution.sh" "$work/dist" "$build" >/dev/null
own=$(ls "$work/dist"/*.cab | wc -l)
"$root/scripts/make-distribution.sh" "$work/dist" "$build" $(((pieces - own) * 10000)) >/dev/null
found=$(ls "$work/dist"/*.cab | wc -l)
[ "$found" -eq "$pieces" ] || { echo "bench: $found pieces, not $pieces" >&2; exit 1; }

env_file=$("$root/scripts/wine-session.sh" up "$work" 2>/dev/null </dev/null)
set -a
# shellcheck disable=SC1090
source "$env_file"
set +a
windows_path() { echo "Z:$(tr / '\\' <<<"$1")"; }
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
