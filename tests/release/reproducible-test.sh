#!/usr/bin/env bash
# Two release builds of the same sources: the one of the build tree BUILD_ROOT
# (made there by the Windows build, or now) and a clean one from a copy of
# the tree in another folder, in a build folder of its own: the
# distributions are byte for byte the same, setup.exe and the pieces
# included.
#   reproducible-test.sh SOURCE_ROOT WORK_DIR BUILD_ROOT
set -euo pipefail
root=$1
work=$2
build_root=$3
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tests/release/product-folder.sh
source "$here/product-folder.sh"

rm -rf "$work/a" "$work/b"
mkdir -p "$work/b/source"
make_product "$work/product-a"
cp -a "$work/product-a" "$work/product-b"
# The tree as it stands, uncommitted changes included, without build output.
if git -C "$root" rev-parse --git-dir >/dev/null 2>&1; then
  (cd "$root" && git ls-files -z --cached --others --exclude-standard |
    tar --null -T - -cf -) | tar -xf - -C "$work/b/source"
else
  tar -C "$root" --exclude=./build -cf - . | tar -xf - -C "$work/b/source"
fi

unset SETUP_SIGN_PFX SETUP_SIGN_PASSWORD
SETUP_BUILD_DIR=$build_root "$root/scripts/release.sh" "$work/product-a" "$work/a/out"
SETUP_BUILD_DIR=$work/b/build "$work/b/source/scripts/release.sh" "$work/product-b" "$work/b/out"

diff -r "$work/a/out" "$work/b/out"
echo "reproducible-test: $(ls "$work/a/out" | wc -l) files the same, setup.exe" \
  "$(sha256sum <"$work/a/out/setup.exe" | cut -c1-16)"
rm -rf "$work/a" "$work/b" "$work/product-a" "$work/product-b"
