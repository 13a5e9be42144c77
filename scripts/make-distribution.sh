#!/usr/bin/env bash
# Makes a sample distribution folder: setup.exe, the pieces of the packages
# "kq" and "ch" cut by the project's packer from the sample product files,
# uninst.exe beside setup.exe, and the picture files.
#   make-distribution.sh OUT_DIR WINDOWS_BUILD HOST_BUILD [EXTRA_KQ_BYTES]
# WINDOWS_BUILD is either flavour's build folder (build/windows for 32-bit
# Windows, build/windows64 for 64-bit): both name their programs alike, so the
# distributions look alike. HOST_BUILD's kqpack cuts the pieces.
# EXTRA_KQ_BYTES adds a filler file "kqdata.bin" of that size to the "kq"
# package, so that benchmarks can ask for many pieces.
# shellcheck source=scripts/lib/common.sh
source "$(dirname "$0")/lib/common.sh"
if [ $# -lt 3 ]; then
  echo "usage: $0 OUT_DIR WINDOWS_BUILD HOST_BUILD [EXTRA_KQ_BYTES]" >&2
  exit 2
fi
out=$1
windows=$(realpath -m "$2")
kqpack=$(realpath -m "$3")/tools/kqpack
for need in "$windows/setup.exe" "$windows/uninst/uninst.exe" "$kqpack" "$windows/tools/standins/kq.exe"; do
  [ -e "$need" ] || { echo "$0: $need is missing; build first" >&2; exit 1; }
done

rm -rf "$out"
mkdir -p "$out"
out=$(cd "$out" && pwd)
staging=$(mktemp -d)
trap 'rm -rf "$staging"' EXIT

# The product files as the packages carry them. The speech installers travel
# inside "ch", as the real ones do.
mkdir -p "$staging/kq" "$staging/ch"
cp "$windows/tools/standins/kq.exe" "$staging/kq/"
cp "$root"/samples/ch/*.html "$staging/ch/"
convert -size 32x32 xc:'#1030c0' -fill white -draw 'circle 16,16 16,6' "$staging/ch/logo.gif"
convert -size 16x16 xc:'#c03010' "$staging/ch/dot.gif"
cp "$windows/tools/standins/spchapi.exe" "$windows/tools/standins/msttsm22l.exe" "$staging/ch/"

pack() {
  local prefix=$1 version=$2
  shift 2
  # The packer's progress line is noise here; its report counts on failure.
  if ! (cd "$staging/$prefix" && "$kqpack" pack "$prefix" "$version" "$@" -o "$out" \
    >"$staging/pack.log" 2>&1); then
    cat "$staging/pack.log" >&2
    exit 1
  fi
}
kq_files=(kq.exe)
if [ "${4:-0}" -gt 0 ]; then
  head -c "$4" /dev/urandom >"$staging/kq/kqdata.bin"
  kq_files+=(kqdata.bin)
fi
pack kq 1 "${kq_files[@]}"
pack ch 160 '*.html' '*.gif' spchapi.exe msttsm22l.exe

cp "$windows/setup.exe" "$windows/uninst/uninst.exe" "$out/"

# Small JPEG pictures under the names the setup shows and copies, each drawn
# a little differently so that they can be told apart. They have the pixel
# size of the built-in page bitmaps.
offset=0
for name in KQSetup1 KQSetup2 KQSetup3 KQSetup4 KQSetup5 KQCameraLogo KQProgramingLogo \
  KQBonusLogo KQAboutLogo KQIntroLogo KQExitLogo; do
  offset=$((offset + 15))
  convert -size 168x224 gradient:"#2040a0-#a0c0ff" -fill white \
    -draw "circle 84,$((30 + offset)) 84,$((12 + offset))" -quality 85 "$out/$name.jpg"
done
echo "$out: $(ls "$out" | wc -l) files, $(ls "$out"/*.cab | wc -l) pieces"
