#!/usr/bin/env bash
# Cross-builds libjpeg-turbo for mingw from Debian's source package with the
# Windows build's own toolchain file, and caches the static library in the
# build tree: usage build-libjpeg.sh PREFIX TOOLCHAIN_FILE
set -euo pipefail
prefix=$(realpath -m "$1")
toolchain=$(realpath "$2")
[ -f "$prefix/lib/libjpeg.a" ] && exit 0

work="$prefix.src"
rm -rf "$work" && mkdir -p "$work"
(cd "$work" && apt-get source -qq libjpeg-turbo >/dev/null 2>&1) || {
  echo "build-libjpeg: apt-get source libjpeg-turbo failed (run scripts/install-deps.sh)" >&2
  exit 1
}
src=$(find "$work" -maxdepth 1 -type d -name 'libjpeg-turbo-*' | head -n 1)
# Sections per function for the release link; no unwind tables, since the
# library is left by longjmp, never by an exception; the source path stays
# out of the objects.
cmake -S "$src" -B "$work/build" -G Ninja -Wno-dev \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DCMAKE_C_FLAGS="-ffunction-sections -fdata-sections -fno-asynchronous-unwind-tables \
-ffile-prefix-map=$work=libjpeg" \
  -DENABLE_SHARED=OFF -DWITH_TURBOJPEG=OFF -DWITH_SIMD=OFF -DWITH_ARITH_ENC=OFF >/dev/null
cmake --build "$work/build" --target install >/dev/null
rm -rf "$work"
echo "build-libjpeg: libjpeg-turbo installed in $prefix"
