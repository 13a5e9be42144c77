#include "wizard/PagePicture.h"

#include "platform/Folders.h"
#include "wizard/LoadJpegFile.h"
#include "wizard/PictureRows.h"

namespace {

// Decodes the file into the block and makes a screen bitmap of it; none when
// the picture cannot be laid out in the block as a 24-bit bitmap.
HBITMAP MakePictureBitmap(const char* fileName, unsigned char* block) {
  int width = 0;
  int height = 0;
  int components = 0;
  if (!LoadJpegFile(fileName, width, height, components, block, kPictureBlockSize)) return nullptr;
  if (!CanLayOutAsBitmap(width, height, components, kPictureBlockSize)) return nullptr;
  LayOutAsBitmap(block, width, height, components);

  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // rows run top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateDIBitmap(screen, &info.bmiHeader, CBM_INIT, block, &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  return bitmap;
}

}  // namespace

void ShowPagePicture(HWND page, int pictureId, const char* fileName, HBITMAP& picture) {
  if (picture || !CanOpenForReading(fileName)) return;
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, kPictureBlockSize);
  if (!memory) return;
  if (auto* block = static_cast<unsigned char*>(GlobalLock(memory))) {
    picture = MakePictureBitmap(fileName, block);
    GlobalUnlock(memory);
  }
  GlobalFree(memory);
  if (!picture) return;

  HWND control = GetDlgItem(page, pictureId);
  // The control hands back the built-in bitmap it loaded; it is ours to free.
  auto previous = reinterpret_cast<HBITMAP>(
      SendMessageA(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture)));
  if (previous && previous != picture) DeleteObject(previous);
  UpdateWindow(control);
}
