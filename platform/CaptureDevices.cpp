#include "platform/CaptureDevices.h"

#include "platform/Seam.h"

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

}  // namespace

using CaptureDevicesSeam = Seam<CaptureDevices, SystemCaptureDevices>;

CaptureDevices& GetCaptureDevices() { return CaptureDevicesSeam::Get(); }
void SetCaptureDevicesForTesting(CaptureDevices* replacement) {
  CaptureDevicesSeam::Set(replacement);
}
