// The colour of the main window's background bands.
#pragma once

// Bands are this many pixels high.
constexpr int kBandHeight = 10;

// The blue of the band that starts at `y` on a screen `screenHeight` pixels
// high: pure blue down to 100, then darkening linearly.
inline int BandBlue(int y, int screenHeight) {
  const int v = y <= 100 ? 0 : y - 100;
  return 255 - v * 255 / screenHeight;
}
