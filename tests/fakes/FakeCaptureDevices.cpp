#include "tests/fakes/FakeCaptureDevices.h"

#include <vfw.h>

#include <cstring>

namespace {
void Put(char* field, int size, const std::string& text) {
  std::strncpy(field, text.c_str(), size - 1);
  field[size - 1] = '\0';
}
}  // namespace

FakeCaptureDevices::FakeCaptureDevices(std::vector<FakeDriver> drivers)
    : m_drivers(std::move(drivers)) {
  SetCaptureDevicesForTesting(this);
}

FakeCaptureDevices::~FakeCaptureDevices() { SetCaptureDevicesForTesting(nullptr); }

const FakeDriver* FakeCaptureDevices::Driver(int index) const {
  for (const FakeDriver& driver : m_drivers)
    if (driver.index == index) return &driver;
  return nullptr;
}

BOOL FakeCaptureDevices::GetDriverDescription(WORD index, char* name, int nameSize, char* version,
                                              int versionSize) {
  const FakeDriver* driver = Driver(index);
  if (!driver) return FALSE;
  Put(name, nameSize, driver->name);
  Put(version, versionSize, driver->version);
  return TRUE;
}

HWND FakeCaptureDevices::CreateCaptureWindow(const char* title, DWORD style, int x, int y,
                                             int width, int height, HWND parent, int id) {
  m_log.push_back("create " + std::to_string(x) + "," + std::to_string(y) + " " +
                  std::to_string(width) + "x" + std::to_string(height) + " " + title);
  if (m_bCreateFails) return nullptr;
  HWND window = CreateWindowExA(0, "STATIC", title, style | SS_BLACKRECT, x, y, width, height,
                                parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                GetModuleHandleA(nullptr), nullptr);
  m_windows.push_back(window);
  return window;
}

LRESULT FakeCaptureDevices::Send(HWND, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CAP_DRIVER_CONNECT:
      m_log.push_back("connect " + std::to_string(static_cast<int>(wp)));
      m_pConnected = Driver(static_cast<int>(wp));
      return m_pConnected && m_pConnected->connects;
    case WM_CAP_DRIVER_DISCONNECT:
      m_log.push_back("disconnect");
      return TRUE;
    case WM_CAP_DRIVER_GET_CAPS:
      m_log.push_back("caps " + std::to_string(wp));
      return TRUE;
    case WM_CAP_DLG_VIDEOSOURCE:
      m_log.push_back("source dialog");
      return TRUE;
    case WM_CAP_GET_SEQUENCE_SETUP: {
      m_log.push_back("get sequence " + std::to_string(wp));
      auto* sequence = reinterpret_cast<CAPTUREPARMS*>(lp);
      sequence->dwRequestMicroSecPerFrame = 66667;
      sequence->fYield = TRUE;
      sequence->fLimitEnabled = TRUE;
      sequence->wNumVideoRequested = 5;
      return TRUE;
    }
    case WM_CAP_SET_SEQUENCE_SETUP: {
      const auto* sequence = reinterpret_cast<const CAPTUREPARMS*>(lp);
      m_log.push_back("set sequence " + std::to_string(wp) + " " +
                      std::to_string(sequence->dwRequestMicroSecPerFrame) + " " +
                      std::to_string(sequence->fYield) + " " +
                      std::to_string(sequence->fAbortLeftMouse) + " " +
                      std::to_string(sequence->fAbortRightMouse) + " " +
                      std::to_string(sequence->fLimitEnabled) + " " +
                      std::to_string(sequence->wNumVideoRequested));
      return TRUE;
    }
    case WM_CAP_GET_VIDEOFORMAT: {
      m_log.push_back("get format " + std::to_string(wp));
      BITMAPINFOHEADER header = {};
      header.biSize = sizeof header;
      header.biWidth = m_pConnected ? m_pConnected->width : 0;
      header.biHeight = m_pConnected ? m_pConnected->height : 0;
      std::memcpy(reinterpret_cast<void*>(lp), &header, sizeof header);
      return sizeof header;
    }
    case WM_CAP_SET_PREVIEW:
      m_log.push_back("preview " + std::to_string(wp));
      return TRUE;
    case WM_CAP_SET_PREVIEWRATE:
      m_log.push_back("preview rate " + std::to_string(wp));
      return TRUE;
    case WM_CAP_GET_STATUS:
      m_log.push_back("status " + std::to_string(wp));
      return TRUE;
    case WM_CAP_STOP:
      m_log.push_back("stop");
      return TRUE;
    default:
      m_log.push_back("message " + std::to_string(msg));
      return FALSE;
  }
}
