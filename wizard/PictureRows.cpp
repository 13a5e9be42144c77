#include "wizard/PictureRows.h"

#include <algorithm>

uint64_t BitmapRowBytes(int width) { return (static_cast<uint64_t>(width) * 3 + 3) / 4 * 4; }

uint64_t PictureBlockBytes(int width, int height, int components) {
  const uint64_t decoded = static_cast<uint64_t>(width) * components * height;
  return std::max(decoded, BitmapRowBytes(width) * height);
}

bool CanLayOutAsBitmap(int width, int height, int components, size_t blockSize) {
  return width > 0 && height > 0 && (components == 1 || components == 3) &&
         PictureBlockBytes(width, height, components) <= blockSize;
}

void LayOutAsBitmap(unsigned char* block, int width, int height, int components) {
  const size_t stride = BitmapRowBytes(width);
  const size_t pixels = static_cast<size_t>(width) * 3;
  const size_t decodedRow = static_cast<size_t>(width) * components;
  // A bitmap pixel never lies before its decoded samples, so working from the
  // last pixel back overwrites only samples that were already moved.
  for (size_t row = height; row-- > 0;) {
    unsigned char* out = block + row * stride;
    const unsigned char* in = block + row * decodedRow;
    std::fill(out + pixels, out + stride, 0);
    for (size_t x = width; x-- > 0;) {
      const unsigned char* sample = in + x * components;
      const unsigned char red = sample[0];
      const unsigned char green = sample[components == 3 ? 1 : 0];
      const unsigned char blue = sample[components == 3 ? 2 : 0];
      out[x * 3] = blue;
      out[x * 3 + 1] = green;
      out[x * 3 + 2] = red;
    }
  }
}
