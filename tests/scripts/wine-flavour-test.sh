#!/usr/bin/env bash
# The probe that picks the Windows builds to run under Wine, with stand-in
# loaders: one the kernel refuses, one that starts, one that is missing, and
# the switch that forces the 64-bit road on a machine that could run both.
#   wine-flavour-test.sh SOURCE_DIR
set -uo pipefail
probe=$1/scripts/wine-flavour.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

cat >"$work/refused" <<'LOADER'
#!/bin/sh
echo called >>"${0%/*}/calls"
echo "/usr/bin/wine-stable: 40: exec: /usr/lib/wine/wine: Exec format error" >&2
exit 126
LOADER
cat >"$work/starts" <<'LOADER'
#!/bin/sh
echo called >>"${0%/*}/calls"
echo wine-8.0
LOADER
chmod +x "$work/refused" "$work/starts"

# Sources the probe in a clean shell; prints the flavours, the demo's flavour,
# the build folder of each and the probe's line.
run_probe() {
  env -u SETUP_WINE_FLAVOURS -u SETUP_WINE64_ONLY "$@" bash -c '
    set -euo pipefail
    build=/b
    source "$0" 2>"${TMPDIR:-/tmp}/line.$$"
    echo "flavours=${wine_flavours[*]} demo=$wine_flavour dirs=$(flavour_build win32),$(flavour_build win64)"
    cat "${TMPDIR:-/tmp}/line.$$"; rm -f "${TMPDIR:-/tmp}/line.$$"' "$probe"
}

expect() {
  local name=$1 output=$2 pattern=$3
  if ! grep -qE -- "$pattern" <<<"$output"; then
    echo "FAIL $name: expected /$pattern/ in:" >&2
    sed 's/^/  /' <<<"$output" >&2
    failures=$((failures + 1))
  fi
}

# Each row: name, environment, patterns the output must hold.
out=$(run_probe SETUP_WINE32_LOADER="$work/refused")
expect refused "$out" '^flavours=win64 demo=win64 dirs=/b/windows,/b/windows64$'
expect refused "$out" "^wine: .*64-bit build only: .*$work/refused ended with 126 \(.*Exec format error\)$"

out=$(run_probe SETUP_WINE32_LOADER="$work/starts")
expect starts "$out" '^flavours=win64 win32 demo=win32 '
expect starts "$out" "^wine: .*64-bit and 32-bit builds, the demo on the 32-bit one: .*starts here \(wine-8.0\)$"

out=$(run_probe SETUP_WINE32_LOADER="$work/missing")
expect missing "$out" '^flavours=win64 demo=win64 '
expect missing "$out" "$work/missing ended with 127"

rm -f "$work/calls"
out=$(run_probe SETUP_WINE32_LOADER="$work/starts" SETUP_WINE64_ONLY=1)
expect forced "$out" '^flavours=win64 demo=win64 '
expect forced "$out" '^wine: .*64-bit build only: SETUP_WINE64_ONLY=1'
[ ! -e "$work/calls" ] || { echo "FAIL forced: the loader was started" >&2; failures=$((failures + 1)); }

# A script started by one that has probed takes the answer and stays quiet.
out=$(env -u SETUP_WINE_FLAVOURS -u SETUP_WINE64_ONLY SETUP_WINE32_LOADER="$work/starts" bash -c '
  build=/b; source "$0" 2>/dev/null
  bash -c "build=/b; source \"\$0\"; echo nested=\${wine_flavours[*]}" "$0" 2>&1' "$probe")
expect nested "$out" '^nested=win64 win32$'
[ "$(wc -l <<<"$out")" -eq 1 ] || { echo "FAIL nested: a second line: $out" >&2; failures=$((failures + 1)); }
[ "$(cat "$work/calls" 2>/dev/null | wc -l)" -eq 1 ] || { echo "FAIL nested: probed more than once" >&2; failures=$((failures + 1)); }

[ "$failures" -eq 0 ] && echo "wine-flavour: all cases hold"
exit $((failures > 0))
