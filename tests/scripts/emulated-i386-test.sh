#!/usr/bin/env bash
# The emulator road for 32-bit programs: inside, i386 programs go to
# qemu-i386 through a binfmt_misc registration that nothing outside sees,
# no answer of the probe from outside is carried in, and the command's exit
# code comes back; where the road is closed, one line says why (exit 125).
#   emulated-i386-test.sh SOURCE_DIR
set -uo pipefail
road=$1/scripts/emulated-i386.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL $*" >&2
  failures=$((failures + 1))
}

# Refusals, each with its one line.
out=$(SETUP_QEMU_I386=$work/none "$road" true 2>&1)
status=$?
[ "$status" -eq 125 ] || fail "missing emulator: exit $status"
grep -qx "emulated-i386: $work/none is not installed .*" <<<"$out" || fail "missing emulator: $out"
printf '#!/bin/sh\necho "qemu-i386 version 7.2.19 (Debian 1:7.2+dfsg-7+deb12u18)"\n' >"$work/old-qemu"
chmod +x "$work/old-qemu"
out=$(SETUP_QEMU_I386=$work/old-qemu "$road" true 2>&1)
status=$?
[ "$status" -eq 125 ] || fail "old emulator: exit $status"
grep -qx "emulated-i386: qemu-i386 7.2.19 is too slow for Wine: 10 or later is needed" <<<"$out" ||
  fail "old emulator: $out"

if [ ! -x /usr/bin/qemu-i386 ]; then
  # scripts/install-deps.sh brings the emulator only where the kernel
  # cannot start 32-bit programs itself.
  echo "emulated-i386: no qemu-i386 on this machine; its refusals hold, the road itself is checked where it is installed"
  exit $((failures > 0))
fi

listing() { ls /proc/sys/fs/binfmt_misc 2>/dev/null; }
before=$(listing)
out=$(SETUP_WINE_FLAVOURS=win64 SETUP_WINE32_ROAD= "$road" bash -c '
  echo "emulated=$SETUP_I386_EMULATED flavours=${SETUP_WINE_FLAVOURS-unset} road=${SETUP_WINE32_ROAD-unset}"
  sed -n "1,3p" /proc/sys/fs/binfmt_misc/qemu-i386
  if [ -x /usr/lib/wine/wine ]; then /usr/lib/wine/wine --version; fi' 2>&1)
status=$?
[ "$status" -eq 0 ] || fail "inside: exit $status: $out"
grep -qx "emulated=1 flavours=unset road=unset" <<<"$out" || fail "inside: the environment: $out"
grep -qx "enabled" <<<"$out" && grep -qx "interpreter /usr/bin/qemu-i386" <<<"$out" &&
  grep -qx "flags: F" <<<"$out" || fail "inside: no registration: $out"
if [ -x /usr/lib/wine/wine ]; then
  grep -q "^wine-" <<<"$out" || fail "inside: Wine's 32-bit loader did not start: $out"
fi
[ "$(listing)" = "$before" ] || fail "outside: the machine's binfmt_misc changed: $(listing)"
"$road" sh -c 'exit 7'
status=$?
[ "$status" -eq 7 ] || fail "the command's exit code 7 came back as $status"

[ "$failures" -eq 0 ] && echo "emulated-i386: all cases hold"
exit $((failures > 0))
