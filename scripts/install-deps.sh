#!/usr/bin/env bash
# Installs everything the build and the tests need, from Debian's archive only.
# Idempotent: packages already present are skipped, and libjpeg-turbo's source is
# fetched only when the cross-built library is not cached yet.
set -euo pipefail

packages=(
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 mingw-w64-tools
  wine wine64 wine32:i386 fonts-wine fonts-liberation xvfb x11-utils imagemagick
  cmake ninja-build nasm googletest dpkg-dev clang libclang-rt-14-dev
  libjpeg62-turbo-dev libjpeg-turbo-progs
  osslsigncode openssl python3-pefile
)

as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "install-deps: installing ${missing[*]}"
  dpkg --print-foreign-architectures | grep -qx i386 || as_root dpkg --add-architecture i386
  as_root apt-get update -qq
  DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The source package of libjpeg-turbo is needed for the mingw cross-build.
src_list=/etc/apt/sources.list.d/debian-src.sources
if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ && ! grep -qs '^deb-src' /etc/apt/sources.list; then
  sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources | as_root tee "$src_list" >/dev/null
  as_root apt-get update -qq
fi
# Where the kernel cannot start Wine's 32-bit loader, the 32-bit build runs
# under qemu-i386 (scripts/emulated-i386.sh). Debian 12's own qemu 7.2 is far
# too slow for Wine, so qemu 10 comes from the backports suite: the only
# package taken from there (backports are never chosen unasked), and without
# qemu-user-binfmt, which would register it for the whole machine.
emulator_wanted() {
  [ "${SETUP_WINE64_ONLY:-}" != 1 ] || return 1
  [ "${SETUP_WINE32_QEMU:-}" = 1 ] || ! /usr/lib/wine/wine --version >/dev/null 2>&1 </dev/null
}
emulator_current() {
  local version
  version=$(dpkg-query -W -f='${Status} ${Version}' qemu-user 2>/dev/null) || return 1
  [[ $version == "install ok installed "* ]] &&
    dpkg --compare-versions "${version##* }" ge 1:10
}
if emulator_wanted && ! emulator_current; then
  codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
  backports=/etc/apt/sources.list.d/debian-backports.sources
  if ! grep -rqs "^Suites:.*\b$codename-backports\b" /etc/apt/sources.list.d/; then
    awk -v suite="$codename-backports" '/^$/ { exit } /^Suites:/ { $0 = "Suites: " suite } { print }' \
      /etc/apt/sources.list.d/debian.sources | as_root tee "$backports" >/dev/null
  fi
  echo "install-deps: installing qemu-user from $codename-backports (32-bit Windows programs under qemu-i386)"
  as_root apt-get update -qq
  DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq --no-install-recommends \
    "qemu-user/$codename-backports" >/dev/null
fi
echo "install-deps: all packages present"
