#!/usr/bin/env bash
# The sample distribution's pictures have the size of the built-in page
# bitmaps they stand in for.
#   sample-pictures-test.sh WINDOWS_BUILD HOST_BUILD
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$root/scripts/make-distribution.sh" "$out/dist" "$1" "$2" >/dev/null
bitmap=$(identify -format '%wx%h' "$root/resources/bitmap139.bmp")
status=0
for picture in "$out"/dist/*.jpg; do
  size=$(identify -format '%wx%h' "$picture")
  if [ "$size" != "$bitmap" ]; then
    echo "$(basename "$picture"): $size, the page bitmaps are $bitmap" >&2
    status=1
  fi
done
[ "$(ls "$out"/dist/*.jpg | wc -l)" -eq 11 ] || { echo "expected 11 pictures" >&2; status=1; }
exit $status
