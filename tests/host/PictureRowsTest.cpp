// The decoded picture laid out as a 24-bit bitmap in its own block: sizes,
// what fits, and the in-place move against a plain copy made elsewhere.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "wizard/PictureRows.h"

namespace {

TEST(PictureRows, BitmapRowsArePaddedToFourBytes) {
  const struct {
    int width;
    uint64_t bytes;
  } cases[] = {{1, 4}, {2, 8}, {3, 12}, {4, 12}, {5, 16}, {168, 504}, {255, 768}, {256, 768}};
  for (const auto& c : cases) EXPECT_EQ(BitmapRowBytes(c.width), c.bytes) << c.width;
}

TEST(PictureRows, WhatFitsTheBlock) {
  const struct {
    int width, height, components;
    bool fits;
  } cases[] = {
      {168, 224, 3, true},       // the built-in pictures' size
      {256, 256, 3, true},       // exactly the block
      {256, 257, 3, false},      // one row more
      {320, 240, 3, false},      // the size reported when the header could not be read
      {168, 224, 1, true},       // greyscale
      {168, 224, 4, false},      // four components: no 24-bit layout describes them
      {168, 224, 2, false},      //
      {1, 49152, 3, true},       // 4 bytes a row with padding: exactly the block
      {1, 49153, 3, false},      //
      {1, 60000, 1, false},      // decoded rows fit, the padded bitmap rows do not
      {65535, 65535, 3, false},  // the product overflows 32 bits
      {0, 10, 3, false},         //
      {10, 0, 3, false},         //
  };
  for (const auto& c : cases)
    EXPECT_EQ(CanLayOutAsBitmap(c.width, c.height, c.components, kPictureBlockSize), c.fits)
        << c.width << " x " << c.height << " x " << c.components;
}

TEST(PictureRows, BlockBytesAreTheLargerLayout) {
  EXPECT_EQ(PictureBlockBytes(168, 224, 3), 168u * 3 * 224);
  EXPECT_EQ(PictureBlockBytes(5, 2, 3), 16u * 2);
  EXPECT_EQ(PictureBlockBytes(5, 2, 1), 16u * 2);
  EXPECT_EQ(PictureBlockBytes(5, 2, 4), 5u * 4 * 2);
  EXPECT_EQ(PictureBlockBytes(65535, 65535, 3), 196608ull * 65535);
}

// The bitmap made by copying into a separate buffer, the obvious way.
std::vector<unsigned char> CopiedBitmap(const std::vector<unsigned char>& decoded, int width,
                                        int height, int components) {
  const size_t stride = BitmapRowBytes(width);
  std::vector<unsigned char> bitmap(stride * height, 0);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const unsigned char* in = &decoded[(static_cast<size_t>(y) * width + x) * components];
      unsigned char* out = &bitmap[y * stride + x * 3];
      out[0] = in[components - 1];
      out[1] = in[components == 3 ? 1 : 0];
      out[2] = in[0];
    }
  return bitmap;
}

TEST(PictureRows, LayoutInPlaceMatchesACopy) {
  std::mt19937 random(7);
  for (int components : {1, 3})
    for (int width = 1; width <= 9; ++width)
      for (int height = 1; height <= 4; ++height) {
        const size_t decodedBytes = static_cast<size_t>(width) * height * components;
        const size_t blockBytes = PictureBlockBytes(width, height, components) + 8;
        std::vector<unsigned char> block(blockBytes);
        for (auto& b : block) b = static_cast<unsigned char>(random());
        const std::vector<unsigned char> decoded(block.begin(), block.begin() + decodedBytes);
        const std::vector<unsigned char> tail(block.end() - 8, block.end());

        LayOutAsBitmap(block.data(), width, height, components);

        const std::vector<unsigned char> expected =
            CopiedBitmap(decoded, width, height, components);
        EXPECT_TRUE(std::equal(expected.begin(), expected.end(), block.begin()))
            << width << " x " << height << " x " << components;
        EXPECT_TRUE(std::equal(tail.begin(), tail.end(), block.end() - 8))
            << "wrote past the bitmap at " << width << " x " << height << " x " << components;
      }
}

TEST(PictureRows, FullBlockLayoutStaysInside) {
  // 256 × 256 colour pixels fill the block exactly, before and after.
  std::vector<unsigned char> block(kPictureBlockSize + 16, 0xAB);
  for (size_t i = 0; i < kPictureBlockSize; ++i) block[i] = static_cast<unsigned char>(i % 251);
  const std::vector<unsigned char> decoded(block.begin(), block.begin() + kPictureBlockSize);
  LayOutAsBitmap(block.data(), 256, 256, 3);
  const std::vector<unsigned char> expected = CopiedBitmap(decoded, 256, 256, 3);
  EXPECT_TRUE(std::equal(expected.begin(), expected.end(), block.begin()));
  for (size_t i = kPictureBlockSize; i < block.size(); ++i) ASSERT_EQ(block[i], 0xAB) << i;
}

}  // namespace
