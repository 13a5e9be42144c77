// The main window's band colours.
#include <gtest/gtest.h>

#include "app/Background.h"

namespace {

TEST(Background, PureBlueDownTo100ThenLinearlyDarker) {
  for (int y = 0; y <= 100; y += kBandHeight) EXPECT_EQ(BandBlue(y, 768), 255) << y;
  EXPECT_EQ(BandBlue(110, 768), 255 - 10 * 255 / 768);
  EXPECT_EQ(BandBlue(400, 768), 255 - 300 * 255 / 768);
  EXPECT_EQ(BandBlue(760, 768), 36);
  for (int y = 110; y < 768; y += kBandHeight) EXPECT_LE(BandBlue(y, 768), BandBlue(y - 10, 768));
}

TEST(Background, ALowScreenIsAllPureBlue) {
  for (int height : {10, 64, 100})
    for (int y = 0; y < height; y += kBandHeight) EXPECT_EQ(BandBlue(y, height), 255) << height;
}

}  // namespace
