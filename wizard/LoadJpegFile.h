// Decodes a JPEG file into rows of samples, one scanline at a time, over the
// IJG library. Window-free, so the host build can test and measure it.
#pragma once

#include <cstddef>

// Decodes `fileName` and reports its size: `width` and `height` in pixels,
// `components` samples per pixel (3 for colour, 1 for greyscale).
//
// With a `destination`, the rows are copied there top-down, each
// width × components bytes, row r at r × width × components; this happens
// only when the picture fits `destinationSize` both as decoded and laid out
// as a 24-bit bitmap (PictureBlockBytes), since callers lay the bitmap out in
// place. A picture that does not fit is not decoded; its size is reported.
// Without a destination the whole file is decoded and only the size is
// reported.
//
// Returns 0 when the file cannot be opened (the size values untouched), 1
// otherwise. A damaged or truncated file also gives 1: the size values keep
// what was known when decoding stopped (320 × 240 × 3 before the header was
// read) and the destination holds the rows decoded until then.
int LoadJpegFile(const char* fileName, int& width, int& height, int& components,
                 unsigned char* destination, size_t destinationSize);
