#include "platform/CaptureDevices.h"

#include <vfw.h>

namespace {
class SystemCaptureDevices : public CaptureDevices {
 public:
  BOOL GetDriverDescription(WORD index, char* name, int nameSize, char* version,
                            int versionSize) override {
    return capGetDriverDescriptionA(index, name, nameSize, version, versionSize);
  }
  HWND CreateCaptureWindow(const char* title, DWORD style, int x, int y, int width, int height,
                           HWND parent, int id) override {
    return capCreateCaptureWindowA(title, style, x, y, width, height, parent, id);
  }
  LRESULT Send(HWND capture, UINT msg, WPARAM wp, LPARAM lp) override {
    return SendMessageA(capture, msg, wp, lp);
  }
};

SystemCaptureDevices g_system;
CaptureDevices* g_current = &g_system;
}  // namespace

CaptureDevices& GetCaptureDevices() { return *g_current; }
void SetCaptureDevicesForTesting(CaptureDevices* devices) {
  g_current = devices ? devices : &g_system;
}
