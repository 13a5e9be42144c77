// The picture step of the pages that show a picture at their left: once per
// page, the picture file from the distribution folder replaces the built-in
// bitmap of the page's picture control, when it can be decoded.
#pragma once

#include "platform/Win32.h"

// Does nothing when `picture` is already set or the file cannot be used;
// otherwise makes the bitmap, stores it in `picture` and shows it in the
// control `pictureId` of `page`.
void ShowPagePicture(HWND page, int pictureId, const char* fileName, HBITMAP& picture);
