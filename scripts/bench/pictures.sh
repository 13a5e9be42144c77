#!/usr/bin/env bash
# Builds the host tools optimised and measures the picture loader against
# libjpeg-turbo's djpeg on the same JPEG files: a page picture, the largest
# picture the page block takes, and a camera-sized photo.
#   scripts/bench/pictures.sh [ROUNDS]   (default 200)
# shellcheck source=scripts/lib/common.sh
source "$(dirname "$0")/../lib/common.sh"

bench=${BENCH_BUILD:-/tmp/setup-bench}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake -S "$root" -B "$bench" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$bench" --target picture_bench >/dev/null

for size in 168x224 256x256 1600x1200; do
  convert -seed 3 -size "$size" plasma:fractal -quality 90 "$work/plasma-$size.jpg"
done
"$bench/bench/picture_bench" "${1:-200}" "$work"/plasma-168x224.jpg "$work"/plasma-256x256.jpg \
  "$work"/plasma-1600x1200.jpg
