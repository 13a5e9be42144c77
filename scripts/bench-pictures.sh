#!/usr/bin/env bash
# Builds the host tools optimised and measures the picture loader against
# libjpeg-turbo's djpeg on the same JPEG files: a page picture, the largest
# picture the page block takes, and a camera-sized photo.
#   scripts/bench-pictures.sh [ROUNDS]   (default 200)
set -euo pipefail

build=${BENCH_BUILD:-/tmp/setup-bench}
source=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake -S "$source" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target picture_bench >/dev/null

for size in 168x224 256x256 1600x1200; do
  convert -seed 3 -size "$size" plasma:fractal -quality 90 "$work/plasma-$size.jpg"
done
"$build/bench/picture_bench" "${1:-200}" "$work"/plasma-168x224.jpg "$work"/plasma-256x256.jpg \
  "$work"/plasma-1600x1200.jpg
