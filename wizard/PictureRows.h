// The page pictures' decoding block and the layout of a decoded picture as a
// top-down 24-bit bitmap inside it. Window-free, so tests can check it.
#pragma once

#include <cstddef>
#include <cstdint>

// The block a page decodes its picture into: room for 256 × 256 pixels of 3
// bytes.
constexpr size_t kPictureBlockSize = 0x30000;

// A 24-bit bitmap row: 3 bytes per pixel, padded to a multiple of 4 bytes.
uint64_t BitmapRowBytes(int width);
// The bytes a picture needs in the block: the larger of its decoded rows
// (width × components each) and its rows laid out as a 24-bit bitmap.
uint64_t PictureBlockBytes(int width, int height, int components);
// True when the picture can be shown from a block of `blockSize` bytes:
// colour or greyscale, not empty, and it fits both ways.
bool CanLayOutAsBitmap(int width, int height, int components, size_t blockSize);

// Turns decoded rows (red, green, blue or grey samples, rows packed) into a
// top-down 24-bit bitmap (blue, green, red, rows padded with zeros) in the
// same block. Only for pictures that CanLayOutAsBitmap accepts.
void LayOutAsBitmap(unsigned char* block, int width, int height, int components);
