#!/usr/bin/env bash
# Runs a command where the kernel hands i386 programs to qemu-i386, for
# machines whose kernel has no IA-32 emulation of its own:
#   emulated-i386.sh COMMAND [ARG...]
# The registration lives in a user and mount namespace that this script
# makes, with a binfmt_misc of its own (Linux 6.7 and later give every user
# namespace one), so nothing outside sees it and the machine's own
# configuration stays as it is. Inside, SETUP_I386_EMULATED=1 says so, and
# no answer of scripts/lib/wine-flavour.sh probed outside is carried in.
# apt-get cannot run in such a namespace: install before entering it.
# When the namespace cannot be had, one line on standard error says why and
# the exit code is 125; otherwise it is COMMAND's.
set -euo pipefail
qemu=${SETUP_QEMU_I386:-/usr/bin/qemu-i386}
[ $# -gt 0 ] || { echo "usage: $0 COMMAND [ARG...]" >&2; exit 2; }
closed() {
  echo "emulated-i386: $*" >&2
  exit 125
}

[ -x "$qemu" ] || closed "$qemu is not installed (scripts/install-deps.sh brings it where it is needed)"
version=$("$qemu" --version 2>/dev/null | sed -n '1s/^qemu-i386 version \([0-9.]*\).*/\1/p')
# Debian 12's own qemu 7.2 takes some 95 s for one start of Wine, 10 about 1 s.
[ "${version%%.*}" -ge 10 ] 2>/dev/null ||
  closed "qemu-i386 ${version:-of unknown version} is too slow for Wine: 10 or later is needed"
if ! error=$(unshare --user --map-root-user --mount true 2>&1); then
  closed "no user namespace can be made here (${error##*: })"
fi

# The usual i386 ELF magic and mask; F opens the emulator now, so that it
# need not be reachable by its path from every mount namespace.
exec unshare --user --map-root-user --mount --propagation private -- bash -c '
  set -euo pipefail
  qemu=$1
  shift
  if ! error=$(mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc 2>&1); then
    echo "emulated-i386: this kernel gives a namespace no binfmt_misc of its own, as Linux 6.7 and later do (${error##*: })" >&2
    exit 125
  fi
  printf "%s" ":qemu-i386:M::\\x7fELF\\x01\\x01\\x01\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x00\\x02\\x00\\x03\\x00:\\xff\\xff\\xff\\xff\\xff\\xfe\\xfe\\x00\\xff\\xff\\xff\\xff\\xff\\xff\\xff\\xff\\xfe\\xff\\xff\\xff:$qemu:F" \
    >/proc/sys/fs/binfmt_misc/register
  unset SETUP_WINE_FLAVOURS SETUP_WINE32_ROAD
  export SETUP_I386_EMULATED=1
  exec "$@"' emulated-i386 "$qemu" "$@"
