#!/usr/bin/env bash
# Builds the release setup.exe and makes a distribution that it installs:
#   release.sh [--kq-version N] [--ch-version N] PRODUCT_FOLDER OUT_FOLDER
# PRODUCT_FOLDER holds kq/ and ch/, the files of the packages "kq" and "ch",
# and at its top the files that travel beside setup.exe (page pictures,
# agreement.txt, an OEM setup.ini). OUT_FOLDER, new or empty, receives the
# pieces, setup.exe, uninst.exe and those files.
# With SETUP_SIGN_PFX (a PFX file) and SETUP_SIGN_PASSWORD in the environment
# setup.exe and uninst.exe are signed with Authenticode; SOURCE_DATE_EPOCH,
# when set, is the signing time, so that signed files can be rebuilt too.
# shellcheck source=scripts/lib/common.sh
source "$(dirname "$0")/lib/common.sh"
release=$build/release

usage() {
  echo "usage: $0 [--kq-version N] [--ch-version N] PRODUCT_FOLDER OUT_FOLDER" >&2
  exit 2
}
fail() {
  echo "release: $*" >&2
  exit 1
}

kq_version=1
ch_version=160
while [ $# -gt 0 ]; do
  case $1 in
    --kq-version) [ $# -ge 2 ] || usage; kq_version=$2; shift 2 ;;
    --ch-version) [ $# -ge 2 ] || usage; ch_version=$2; shift 2 ;;
    -*) usage ;;
    *) break ;;
  esac
done
[ $# -eq 2 ] || usage
product=$(cd "$1" 2>/dev/null && pwd) || fail "$1 is not a folder"
out=$2
for package in kq ch; do
  [ -d "$product/$package" ] || fail "$product/$package is missing"
  [ -z "$(find "$product/$package" -mindepth 1 -not -type f -print -quit)" ] ||
    fail "$product/$package may hold plain files only"
done
if [ -e "$out" ] && [ -n "$(ls -A "$out")" ]; then fail "$out is not empty"; fi
if [ -n "${SETUP_SIGN_PFX:-}" ]; then
  [ -f "$SETUP_SIGN_PFX" ] || fail "SETUP_SIGN_PFX names no file: $SETUP_SIGN_PFX"
  [ -n "${SETUP_SIGN_PASSWORD+set}" ] || fail "SETUP_SIGN_PASSWORD is not set"
fi

"$root/scripts/install-deps.sh" >/dev/null
"$root/scripts/steps/build-release.sh" win32 "$release/windows"
cmake -S "$root" -B "$release/host" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$release/host" --target kqpack >/dev/null
# The build names the uninstaller's file.
{ read -r _; read -r uninst; } <"$release/windows/uninstaller.txt"

mkdir -p "$out"
out=$(cd "$out" && pwd)
# Names sorted byte-wise, so that the pieces come out the same everywhere.
pack() {
  local package=$1 version=$2 files
  mapfile -t files < <(cd "$product/$package" && find . -maxdepth 1 -type f -printf '%f\n' |
    LC_ALL=C sort)
  [ ${#files[@]} -gt 0 ] || fail "$product/$package holds no files"
  (cd "$product/$package" && "$release/host/tools/kqpack" pack "$package" "$version" \
    "${files[@]}" -o "$out" >/dev/null)
}
pack kq "$kq_version"
pack ch "$ch_version"
cp "$release/windows/setup.exe" "$out/setup.exe"
cp "$uninst" "$out/uninst.exe"
find "$product" -maxdepth 1 -type f -exec cp {} "$out/" \;

if [ -n "${SETUP_SIGN_PFX:-}" ]; then
  signing_time=()
  [ -z "${SOURCE_DATE_EPOCH:-}" ] || signing_time=(-time "$SOURCE_DATE_EPOCH")
  for program in setup.exe uninst.exe; do
    # The password goes through a pipe, never on a command line.
    printf '%s' "$SETUP_SIGN_PASSWORD" |
      osslsigncode sign -pkcs12 "$SETUP_SIGN_PFX" -readpass - -h sha256 \
        -n "Quelmar Ovistra Setup" "${signing_time[@]}" \
        -in "$out/$program" -out "$out/$program.signed" >/dev/null ||
      fail "signing $program failed"
    mv "$out/$program.signed" "$out/$program"
  done
  signed="signed with $(basename "$SETUP_SIGN_PFX")"
else
  signed="NOT SIGNED (set SETUP_SIGN_PFX and SETUP_SIGN_PASSWORD to sign)"
fi

echo "release: $out: $(find "$out" -name '*.cab' | wc -l) pieces, kq version $kq_version," \
  "ch version $ch_version"
echo "release: setup.exe is $(stat -c %s "$out/setup.exe") bytes; setup.exe and uninst.exe are $signed"
