// The loader against libjpeg-turbo's own djpeg on the same files: sizes,
// samples, and what a damaged, truncated or oversized file leaves behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "tests/pictures/Reference.h"
#include "wizard/LoadJpegFile.h"
#include "wizard/PictureRows.h"

namespace {

struct Loaded {
  int result = -1;
  int width = -1, height = -1, components = -1;
  std::vector<unsigned char> block;
};

// Decodes into a block of the page's size with a guard area behind it.
constexpr size_t kGuard = 4096;
Loaded Load(const std::string& name, bool withDestination = true) {
  Loaded loaded;
  loaded.block.assign(kPictureBlockSize + kGuard, 0);
  loaded.result =
      LoadJpegFile(pictures::Path(name).c_str(), loaded.width, loaded.height, loaded.components,
                   withDestination ? loaded.block.data() : nullptr, kPictureBlockSize);
  return loaded;
}

bool AllZero(const unsigned char* begin, const unsigned char* end) {
  return std::all_of(begin, end, [](unsigned char b) { return b == 0; });
}

TEST(LoadJpegFile, DecodesLikeDjpeg) {
  const struct {
    const char* jpeg;
    const char* reference;
  } cases[] = {{"photo-168x224.jpg", "photo-168x224.ppm"},
               {"odd-37x29.jpg", "odd-37x29.ppm"},
               {"grey-37x29.jpg", "grey-37x29.pgm"}};
  for (const auto& c : cases) {
    const pictures::Image reference = pictures::ReadPnm(c.reference);
    ASSERT_FALSE(reference.samples.empty()) << c.reference;
    const Loaded loaded = Load(c.jpeg);
    EXPECT_EQ(loaded.result, 1) << c.jpeg;
    EXPECT_EQ(loaded.width, reference.width) << c.jpeg;
    EXPECT_EQ(loaded.height, reference.height) << c.jpeg;
    EXPECT_EQ(loaded.components, reference.components) << c.jpeg;
    EXPECT_TRUE(
        std::equal(reference.samples.begin(), reference.samples.end(), loaded.block.begin()))
        << c.jpeg;
    EXPECT_TRUE(AllZero(loaded.block.data() + reference.samples.size(),
                        loaded.block.data() + loaded.block.size()))
        << c.jpeg << ": bytes written after the rows";
  }
}

TEST(LoadJpegFile, MissingFileLeavesTheSizesAlone) {
  Loaded loaded = Load("no-such-picture.jpg");
  EXPECT_EQ(loaded.result, 0);
  EXPECT_EQ(loaded.width, -1);
  EXPECT_EQ(loaded.height, -1);
  EXPECT_EQ(loaded.components, -1);
}

TEST(LoadJpegFile, WhatIsReportedWithoutDecodingIntoTheBlock) {
  const struct {
    const char* jpeg;
    bool withDestination;
    int width, height, components;
  } cases[] = {
      // Not a JPEG: the error comes before the header, the defaults stand.
      {"damaged.jpg", true, 320, 240, 3},
      // Too large for the block: sized, but nothing decoded into it.
      {"big-300x300.jpg", true, 300, 300, 3},
      // Four components are decoded as they are, for the caller to refuse.
      {"cmyk-37x29.jpg", false, 37, 29, 4},
      // Without a destination only the size is reported.
      {"photo-168x224.jpg", false, 168, 224, 3},
  };
  for (const auto& c : cases) {
    const Loaded loaded = Load(c.jpeg, c.withDestination);
    EXPECT_EQ(loaded.result, 1) << c.jpeg;
    EXPECT_EQ(loaded.width, c.width) << c.jpeg;
    EXPECT_EQ(loaded.height, c.height) << c.jpeg;
    EXPECT_EQ(loaded.components, c.components) << c.jpeg;
    EXPECT_TRUE(AllZero(loaded.block.data(), loaded.block.data() + loaded.block.size())) << c.jpeg;
  }
}

TEST(LoadJpegFile, TruncatedFileKeepsTheRowsDecodedAndNothingBelow) {
  // djpeg goes on past the end and fills the missing rows with grey; the
  // loader stops there, so the rows it did not decode stay zero.
  const pictures::Image reference = pictures::ReadPnm("truncated-64x64.ppm");
  ASSERT_EQ(reference.width, 64);
  const Loaded loaded = Load("truncated-64x64.jpg");
  EXPECT_EQ(loaded.result, 1);
  EXPECT_EQ(loaded.width, 64);
  EXPECT_EQ(loaded.height, 64);
  EXPECT_EQ(loaded.components, 3);

  const size_t row = 64 * 3;
  int decodedRows = 0;
  while (decodedRows < 64 &&
         !AllZero(&loaded.block[decodedRows * row], &loaded.block[(decodedRows + 1) * row]))
    ++decodedRows;
  EXPECT_GE(decodedRows, 8) << "the upper part is shown";
  EXPECT_LE(decodedRows, 40) << "the file ends near the middle";
  EXPECT_TRUE(std::equal(&reference.samples[0], &reference.samples[decodedRows * row],
                         loaded.block.begin()));
  EXPECT_TRUE(AllZero(&loaded.block[decodedRows * row], loaded.block.data() + loaded.block.size()));
  // The reference's last row is djpeg's grey: what the loader must not show.
  EXPECT_FALSE(AllZero(&reference.samples[63 * row], &reference.samples[64 * row]));
}

}  // namespace
