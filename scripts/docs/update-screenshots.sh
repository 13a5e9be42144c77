#!/usr/bin/env bash
# Turns the screenshots that the tests and the demo saved (BMP, in the build
# tree) into the PNG files the README shows.
# shellcheck source=scripts/lib/common.sh
source "$(dirname "$0")/../lib/common.sh"
mkdir -p "$root/docs/screenshots"
for shot in "$build"/screenshots/*.bmp; do
  [ -e "$shot" ] || continue
  convert "$shot" "$root/docs/screenshots/$(basename "${shot%.bmp}").png"
done
