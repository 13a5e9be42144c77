// Video-for-Windows capture, behind a seam: Wine has no capture drivers, so
// tests put drivers of their own in place.
#pragma once

#include "platform/Win32.h"

class CaptureDevices {
 public:
  virtual ~CaptureDevices() = default;
  virtual BOOL GetDriverDescription(WORD index, char* name, int nameSize, char* version,
                                    int versionSize) = 0;
  virtual HWND CreateCaptureWindow(const char* title, DWORD style, int x, int y, int width,
                                   int height, HWND parent, int id) = 0;
  // Every WM_CAP_* message goes through here.
  virtual LRESULT Send(HWND capture, UINT msg, WPARAM wp, LPARAM lp) = 0;
};

CaptureDevices& GetCaptureDevices();
// nullptr restores the system's.
void SetCaptureDevicesForTesting(CaptureDevices* devices);
