// Pictures as Windows shows them: a bitmap's pixels, what the screen shows
// inside a control, and the page pictures as tools/make-art.py draws them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tests/driver/Process.h"
#include "tests/pictures/Reference.h"

namespace pictures {

// The pixels of a bitmap as red, green, blue rows.
inline Image Pixels(HBITMAP bitmap) {
  BITMAP size = {};
  GetObjectA(bitmap, sizeof size, &size);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = size.bmWidth;
  info.bmiHeader.biHeight = -size.bmHeight;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  const size_t stride = (size.bmWidth * 3 + 3) / 4 * 4;
  std::vector<unsigned char> rows(stride * size.bmHeight);
  HDC screen = GetDC(nullptr);
  GetDIBits(screen, bitmap, 0, size.bmHeight, rows.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);

  Image image;
  image.width = size.bmWidth;
  image.height = size.bmHeight;
  image.components = 3;
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x)
      for (int c = 2; c >= 0; --c) image.samples.push_back(rows[y * stride + x * 3 + c]);
  return image;
}

// What the screen shows inside a control, of this process or another.
inline Image ScreenPixels(HWND control) {
  RECT rect = {};
  GetClientRect(control, &rect);
  POINT origin = {0, 0};
  ClientToScreen(control, &origin);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP copy = CreateCompatibleBitmap(screen, rect.right, rect.bottom);
  HGDIOBJ old = SelectObject(memory, copy);
  BitBlt(memory, 0, 0, rect.right, rect.bottom, screen, origin.x, origin.y, SRCCOPY);
  SelectObject(memory, old);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  Image image = Pixels(copy);
  DeleteObject(copy);
  return image;
}

// A page picture as tools/make-art.py draws it, written without compression
// into the Windows build's art folder; empty when it cannot be read.
inline Image DrawnPicture(int bitmapId) {
  const std::string file =
      ui::WindowsPath(SETUP_ART_DIR) + "\\bitmap" + std::to_string(bitmapId) + ".bmp";
  HBITMAP bitmap =
      static_cast<HBITMAP>(LoadImageA(nullptr, file.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
  if (!bitmap) return Image();
  Image image = Pixels(bitmap);
  DeleteObject(bitmap);
  return image;
}

}  // namespace pictures
