#include "platform/SystemVersion.h"

#include "platform/Seam.h"

namespace {
class RealSystemVersion : public SystemVersion {
 public:
  // windows.h makes GetVersionEx a macro for GetVersionExA, so this member
  // is itself named GetVersionExA: the system's function must be named
  // from the global scope, or the member would call itself.
  BOOL GetVersionEx(OSVERSIONINFOA* info) override { return ::GetVersionExA(info); }
};

}  // namespace

using SystemVersionSeam = Seam<SystemVersion, RealSystemVersion>;

SystemVersion& GetSystemVersion() { return SystemVersionSeam::Get(); }
void SetSystemVersionForTesting(SystemVersion* replacement) { SystemVersionSeam::Set(replacement); }

bool IsNtFamily() {
  OSVERSIONINFOA version = {};
  version.dwOSVersionInfoSize = sizeof version;
  GetSystemVersion().GetVersionEx(&version);
  return version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}
