// Capture drivers of the test's making in place of the system's, for as
// long as the object lives. Capture windows are real child windows (black
// rectangles), so the page can move and close them; every capture message
// is recorded.
#pragma once

#include <string>
#include <vector>

#include "platform/CaptureDevices.h"

struct FakeDriver {
  int index;
  std::string name;
  std::string version;
  bool connects = true;
  int width = 320;
  int height = 240;
};

class FakeCaptureDevices : public CaptureDevices {
 public:
  explicit FakeCaptureDevices(std::vector<FakeDriver> drivers = {});
  ~FakeCaptureDevices() override;
  FakeCaptureDevices(const FakeCaptureDevices&) = delete;
  FakeCaptureDevices& operator=(const FakeCaptureDevices&) = delete;

  BOOL GetDriverDescription(WORD index, char* name, int nameSize, char* version,
                            int versionSize) override;
  HWND CreateCaptureWindow(const char* title, DWORD style, int x, int y, int width, int height,
                           HWND parent, int id) override;
  LRESULT Send(HWND capture, UINT msg, WPARAM wp, LPARAM lp) override;

  std::vector<FakeDriver> m_drivers;
  bool m_bCreateFails = false;
  // "create 10,41 320x240 Video Capture Window", "connect 1", "source dialog",
  // "caps", "get sequence", "set sequence 666670 0 1 1 0", "get format",
  // "preview rate 66", "preview 1", "status", "stop", "preview 0",
  // "disconnect".
  std::vector<std::string> m_log;
  std::vector<HWND> m_windows;

 private:
  const FakeDriver* Driver(int index) const;
  const FakeDriver* m_pConnected = nullptr;
};
