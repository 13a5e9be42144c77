// The picture files of the tests and the host's reference decodes of them
// (made by scripts/docs/make-picture-fixtures.sh with ImageMagick and djpeg).
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace pictures {

// The full path of a file in this folder, as the running program opens it
// (under Wine the Linux root is drive Z:).
inline std::string Path(const std::string& name) {
  std::string folder = __FILE__;
  folder.erase(folder.find_last_of("/\\") + 1);
#ifdef _WIN32
  if (!folder.empty() && folder[0] == '/') folder = "Z:" + folder;
#endif
  return folder + name;
}

// A decoded picture: rows top-down, samples red, green, blue (or grey).
struct Image {
  int width = 0;
  int height = 0;
  int components = 0;
  std::vector<unsigned char> samples;
};

// Reads a binary PPM (P6) or PGM (P5) with 8-bit samples; empty on failure.
inline Image ReadPnm(const std::string& name) {
  Image image;
  FILE* file = std::fopen(Path(name).c_str(), "rb");
  if (!file) return image;
  char kind = 0;
  int maximum = 0;
  if (std::fscanf(file, "P%c %d %d %d", &kind, &image.width, &image.height, &maximum) == 4 &&
      (kind == '5' || kind == '6') && maximum == 255 && std::fgetc(file) != EOF) {
    image.components = kind == '6' ? 3 : 1;
    image.samples.resize(static_cast<size_t>(image.width) * image.height * image.components);
    if (std::fread(image.samples.data(), 1, image.samples.size(), file) != image.samples.size())
      image = Image();
  }
  std::fclose(file);
  return image;
}

}  // namespace pictures
