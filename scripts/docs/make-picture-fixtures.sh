#!/usr/bin/env bash
# Makes the JPEG files that the picture tests decode, and the reference
# decodes of them by libjpeg-turbo's djpeg on the host.
#   scripts/docs/make-picture-fixtures.sh [FOLDER]   (default tests/pictures)
set -euo pipefail

out=${1:-$(cd "$(dirname "$0")/../.." && pwd)/tests/pictures}
mkdir -p "$out"
cd "$out"

# Strong reds and blues on opposite sides, so an exchange of the two shows.
scene() {  # WIDTH HEIGHT
  convert -size "$1x$2" gradient:red-blue \
    -fill yellow -draw "circle $(($1 / 2)),$(($2 / 3)) $(($1 / 2)),$(($2 / 6))" \
    -fill green -draw "rectangle 2,$(($2 * 2 / 3)) $(($1 / 2)),$(($2 - 3))" "$3"
}

scene 168 224 photo-168x224.png
convert photo-168x224.png -quality 90 photo-168x224.jpg
# Progressive, as pictures saved for the web often are.
convert photo-168x224.png -quality 90 -interlace JPEG progressive-168x224.jpg
scene 37 29 odd.png
convert odd.png -quality 90 odd-37x29.jpg
# Arithmetic coding, which the setup's decoder is built without.
convert odd.png odd.ppm
cjpeg -arithmetic -quality 90 odd.ppm > arithmetic-37x29.jpg
convert odd.png -colorspace Gray -quality 90 grey-37x29.jpg
convert odd.png -colorspace CMYK -quality 90 cmyk-37x29.jpg
scene 300 300 big.png
convert big.png -quality 50 big-300x300.jpg
# Baseline and not progressive, so the rows come out one after another;
# cut in the middle of the scan.
scene 64 64 cut.png
convert cut.png -quality 90 -interlace none -sampling-factor 2x2 cut-full.jpg
head -c "$(($(stat -c %s cut-full.jpg) * 45 / 100))" cut-full.jpg > truncated-64x64.jpg
printf 'This is not a picture at all.\r\n' > damaged.jpg
rm -f photo-168x224.png odd.png odd.ppm big.png cut.png cut-full.jpg

# The references: what libjpeg-turbo on the host decodes (djpeg warns about
# the truncated file and fills its missing rows with grey).
djpeg -pnm photo-168x224.jpg > photo-168x224.ppm
djpeg -pnm progressive-168x224.jpg > progressive-168x224.ppm
djpeg -pnm odd-37x29.jpg > odd-37x29.ppm
djpeg -pnm grey-37x29.jpg > grey-37x29.pgm
djpeg -pnm truncated-64x64.jpg > truncated-64x64.ppm 2>/dev/null || test $? -eq 2  # 2: warnings
ls -l "$out"
