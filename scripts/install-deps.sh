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
echo "install-deps: all packages present"
