#include "tests/fakes/FakeSystemVersion.h"

FakeSystemVersion::FakeSystemVersion(DWORD platformId) : m_platformId(platformId) {
  SetSystemVersionForTesting(this);
}

FakeSystemVersion::~FakeSystemVersion() { SetSystemVersionForTesting(nullptr); }

BOOL FakeSystemVersion::GetVersionEx(OSVERSIONINFOA* info) {
  ++m_nCalls;
  if (info->dwOSVersionInfoSize < sizeof(OSVERSIONINFOA)) return FALSE;
  const bool nt = m_platformId == VER_PLATFORM_WIN32_NT;
  info->dwMajorVersion = nt ? 5 : 4;
  info->dwMinorVersion = nt ? 1 : 10;
  info->dwBuildNumber = nt ? 2600 : 2222;
  info->dwPlatformId = m_platformId;
  info->szCSDVersion[0] = '\0';
  return TRUE;
}
