// An operating-system family of the test's choosing in place of the
// system's, for as long as the object lives.
#pragma once

#include "platform/SystemVersion.h"

class FakeSystemVersion : public SystemVersion {
 public:
  // VER_PLATFORM_WIN32_WINDOWS (1) for Windows 95 and 98,
  // VER_PLATFORM_WIN32_NT (2) for the NT family.
  explicit FakeSystemVersion(DWORD platformId);
  ~FakeSystemVersion() override;
  FakeSystemVersion(const FakeSystemVersion&) = delete;
  FakeSystemVersion& operator=(const FakeSystemVersion&) = delete;

  BOOL GetVersionEx(OSVERSIONINFOA* info) override;

  int m_nCalls = 0;

 private:
  DWORD m_platformId;
};
