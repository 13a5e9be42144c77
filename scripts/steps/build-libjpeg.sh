#!/usr/bin/env bash
# Cross-builds libjpeg-turbo for mingw from Debian's source package with the
# Windows build's own toolchain file, and caches the static library in the
# build tree: usage build-libjpeg.sh PREFIX TOOLCHAIN_FILE PROCESSOR
# (PROCESSOR as the toolchain names it: x86 or AMD64). The cache is built
# again when the way it is built changes.
set -euo pipefail
prefix=$(realpath -m "$1")
toolchain=$(realpath "$2")
processor=$3

# Sections per function for the release link; the source path stays out of
# the objects. The library is left by longjmp, never by an exception: on
# 32-bit Windows longjmp follows the frame chain and needs no unwind tables,
# on 64-bit Windows it unwinds by the tables, so they stay there.
flags="-ffunction-sections -fdata-sections"
[ "$processor" = x86 ] && flags+=" -fno-asynchronous-unwind-tables"
# The C runtime's own printf and sscanf for the library's messages, not
# mingw's larger C99 ones; no JPEGMEM from the environment.
flags+=" -D__USE_MINGW_ANSI_STDIO=0 -DNO_GETENV"
# The setup decodes baseline and progressive files at their own size with
# the library's defaults (accurate integer IDCT, fancy upsampling, block
# smoothing, no colour quantisation, no saved markers): the features that
# these never reach are switched off in the library's configuration header.
unused_features="DCT_IFAST_SUPPORTED DCT_FLOAT_SUPPORTED SAVE_MARKERS_SUPPORTED \
IDCT_SCALING_SUPPORTED UPSAMPLE_MERGING_SUPPORTED QUANT_1PASS_SUPPORTED QUANT_2PASS_SUPPORTED"
options="-DENABLE_SHARED=OFF -DWITH_TURBOJPEG=OFF -DWITH_SIMD=OFF -DWITH_ARITH_ENC=OFF \
-DWITH_ARITH_DEC=OFF"
recipe="$flags|$unused_features|$options|$(basename "$toolchain")"
if [ -f "$prefix/lib/libjpeg.a" ] && [ "$(cat "$prefix/recipe" 2>/dev/null)" = "$recipe" ]; then
  exit 0
fi
rm -rf "$prefix"

work="$prefix.src"
rm -rf "$work" && mkdir -p "$work"
(cd "$work" && apt-get source -qq libjpeg-turbo >/dev/null 2>&1) || {
  echo "build-libjpeg: apt-get source libjpeg-turbo failed (run scripts/install-deps.sh)" >&2
  exit 1
}
src=$(find "$work" -maxdepth 1 -type d -name 'libjpeg-turbo-*' | head -n 1)
for feature in $unused_features; do
  grep -q "^#define $feature" "$src/jmorecfg.h" || {
    echo "build-libjpeg: jmorecfg.h no longer defines $feature" >&2
    exit 1
  }
  sed -i "s/^#define $feature\b/#undef $feature/" "$src/jmorecfg.h"
done
# shellcheck disable=SC2086
cmake -S "$src" -B "$work/build" -G Ninja -Wno-dev \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DCMAKE_C_FLAGS="$flags -ffile-prefix-map=$work=libjpeg" $options >/dev/null
cmake --build "$work/build" --target install >/dev/null
printf '%s' "$recipe" >"$prefix/recipe"
rm -rf "$work"
echo "build-libjpeg: libjpeg-turbo installed in $prefix"
