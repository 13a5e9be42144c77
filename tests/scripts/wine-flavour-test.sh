#!/usr/bin/env bash
# The probe that picks the Windows builds to run under Wine and the road of
# the 32-bit one, with stand-ins: loaders that the kernel refuses, that start,
# that are missing or that only the emulator starts; an emulator road that is
# open or closed; an installation of the dependencies that brings the loader.
#   wine-flavour-test.sh SOURCE_DIR
set -uo pipefail
probe=$1/scripts/lib/wine-flavour.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# Each stand-in notes its calls in $work/calls.
standin() {
  local name=$1 body=$2
  printf '#!/bin/sh\necho %s "$@" >>"%s/calls"\n%s\n' "$name" "$work" "$body" >"$work/$name"
  chmod +x "$work/$name"
}
standin refused 'echo "/usr/bin/wine-stable: 40: exec: /usr/lib/wine/wine: Exec format error" >&2; exit 126'
standin starts 'echo wine-8.0'
# Starts only under the emulator, as Wine's 32-bit loader on a kernel without
# IA-32 emulation.
standin emulated-only '[ "$UNDER_EMULATOR" = 1 ] && echo wine-8.0 && exit 0
echo "exec: Exec format error" >&2; exit 126'
standin emulator 'UNDER_EMULATOR=1 exec "$@"'
standin closed-emulator 'echo "emulated-i386: no user namespace can be made here (Operation not permitted)" >&2; exit 125'
standin install 'exit 0'
# A fresh machine: the loader that starts arrives with the installation.
standin installs-loader "cp \"$work/starts\" \"$work/arriving\""

# The probe's switches and answers, which no case takes from the caller's
# environment (a run with SETUP_WINE32_QEMU=1 starts this test too).
clean=(-u SETUP_WINE_FLAVOURS -u SETUP_WINE32_ROAD -u SETUP_WINE64_ONLY -u SETUP_WINE32_QEMU
  -u SETUP_I386_EMULATED)

# Sources the probe in a clean shell; prints the flavours, the single run's
# flavour, the road, the build folder of each flavour and the probe's line.
run_probe() {
  rm -f "$work/calls"
  env "${clean[@]}" SETUP_INSTALL_DEPS="$work/install" \
    SETUP_WINE32_EMULATOR="$work/closed-emulator" "$@" bash -c '
    set -euo pipefail
    build=/b
    source "$0" 2>"$1/line"
    echo "flavours=${wine_flavours[*]} single=$wine_flavour road=$wine32_road dirs=$(flavour_build win32),$(flavour_build win64)"
    cat "$1/line"' "$probe" "$work"
}

expect() {
  local name=$1 output=$2 pattern=$3
  if ! grep -qE -- "$pattern" <<<"$output"; then
    echo "FAIL $name: expected /$pattern/ in:" >&2
    sed 's/^/  /' <<<"$output" >&2
    failures=$((failures + 1))
  fi
}
calls() { cat "$work/calls" 2>/dev/null; }

# Each case: name, the probe's environment, what its output and calls hold.
out=$(run_probe SETUP_WINE32_LOADER="$work/starts")
expect native "$out" '^flavours=win64 win32 single=win32 road=native dirs=/b/windows,/b/windows64$'
expect native "$out" "^wine: the 64-bit and the 32-bit build run natively, .*: the kernel starts Wine's 32-bit loader \(wine-8.0\)$"
expect native "$(calls)" '^install$'

out=$(run_probe SETUP_WINE32_LOADER="$work/emulated-only" SETUP_WINE32_EMULATOR="$work/emulator")
expect emulated "$out" '^flavours=win64 win32 single=win32 road=qemu '
expect emulated "$out" "^wine: the 64-bit build runs natively, the 32-bit one under qemu-i386 .*: the kernel cannot start Wine's 32-bit loader: .*emulated-only ended with 126 \(.*Exec format error\)$"

out=$(run_probe SETUP_WINE32_LOADER="$work/refused")
expect closed "$out" '^flavours=win64 single=win64 road= '
expect closed "$out" "^wine: the 64-bit build alone: .*refused ended with 126 \(.*Exec format error\), nor qemu-i386 in a namespace of its own: it ended with 125 \(emulated-i386: no user namespace can be made here \(Operation not permitted\)\)$"

out=$(run_probe SETUP_WINE32_LOADER="$work/missing")
expect missing "$out" '^flavours=win64 single=win64 '
expect missing "$out" "missing ended with 127"

out=$(run_probe SETUP_WINE32_LOADER="$work/starts" SETUP_WINE64_ONLY=1)
expect forced "$out" '^flavours=win64 single=win64 road= '
expect forced "$out" '^wine: the 64-bit build alone: SETUP_WINE64_ONLY=1 asks for the 64-bit road alone$'
expect forced "$(calls)" '^install$'
if grep -q starts "$work/calls"; then
  echo "FAIL forced: the loader was started" >&2
  failures=$((failures + 1))
fi

out=$(run_probe SETUP_WINE32_LOADER="$work/starts" SETUP_WINE32_QEMU=1 SETUP_WINE32_EMULATOR="$work/emulator")
expect qemu-asked "$out" '^flavours=win64 win32 single=win32 road=qemu '
expect qemu-asked "$out" 'SETUP_WINE32_QEMU=1 asks for the emulator road$'
[ "$(grep -c '^starts' "$work/calls")" -eq 1 ] || {
  echo "FAIL qemu-asked: the loader was started outside the emulator too" >&2
  failures=$((failures + 1))
}

# The probe runs after the installation: on a fresh machine that can start
# 32-bit programs the loader is there by then.
rm -f "$work/arriving"
out=$(run_probe SETUP_WINE32_LOADER="$work/arriving" SETUP_INSTALL_DEPS="$work/installs-loader")
expect fresh "$out" '^flavours=win64 win32 single=win32 road=native '

# A script started by one that has probed takes the answer and stays quiet:
# no second installation, no second probe.
rm -f "$work/calls"
out=$(env "${clean[@]}" SETUP_INSTALL_DEPS="$work/install" SETUP_WINE32_LOADER="$work/starts" bash -c '
  build=/b; source "$0" 2>/dev/null
  bash -c "build=/b; source \"\$0\"; echo nested=\${wine_flavours[*]} \$wine32_road" "$0" 2>&1' "$probe")
expect nested "$out" '^nested=win64 win32 native$'
[ "$(wc -l <<<"$out")" -eq 1 ] || { echo "FAIL nested: a second line: $out" >&2; failures=$((failures + 1)); }
[ "$(calls | wc -l)" -eq 2 ] || { echo "FAIL nested: installed or probed more than once: $(calls)" >&2; failures=$((failures + 1)); }

# The road: on the emulator road the 32-bit flavour's commands go through the
# emulator and the 64-bit one's do not; inside the emulator's namespace
# nothing is installed or probed, whatever was answered outside, and
# commands run as they are.
out=$(run_probe SETUP_WINE32_LOADER="$work/emulated-only" SETUP_WINE32_EMULATOR="$work/emulator" 2>&1)
rm -f "$work/calls"
out=$(env "${clean[@]}" SETUP_WINE_FLAVOURS="win64 win32" SETUP_WINE32_ROAD=qemu \
  SETUP_WINE32_EMULATOR="$work/emulator" bash -c '
  build=/b; source "$0"
  flavour_run win32 sh -c "echo win32 under=\${UNDER_EMULATOR:-0}"
  flavour_run win64 sh -c "echo win64 under=\${UNDER_EMULATOR:-0}"' "$probe" 2>&1)
expect road "$out" '^win32 under=1$'
expect road "$out" '^win64 under=0$'
rm -f "$work/calls"
out=$(env "${clean[@]}" SETUP_I386_EMULATED=1 SETUP_WINE_FLAVOURS=win64 SETUP_INSTALL_DEPS="$work/install" \
  SETUP_WINE32_LOADER="$work/starts" SETUP_WINE32_EMULATOR="$work/emulator" bash -c '
  build=/b; source "$0"
  echo "inside=${wine_flavours[*]} $wine32_road"
  flavour_run win32 sh -c "echo win32 under=\${UNDER_EMULATOR:-0}"' "$probe" 2>&1)
expect inside "$out" '^inside=win64 win32 qemu$'
expect inside "$out" '^win32 under=0$'
[ "$(wc -l <<<"$out")" -eq 2 ] || { echo "FAIL inside: a probe line: $out" >&2; failures=$((failures + 1)); }
[ -z "$(calls)" ] || { echo "FAIL inside: installed or probed: $(calls)" >&2; failures=$((failures + 1)); }

[ "$failures" -eq 0 ] && echo "wine-flavour: all cases hold"
exit $((failures > 0))
