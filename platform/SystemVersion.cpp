#include "platform/SystemVersion.h"

namespace {
class RealSystemVersion : public SystemVersion {
 public:
  BOOL GetVersionEx(OSVERSIONINFOA* info) override { return GetVersionExA(info); }
};

RealSystemVersion g_system;
SystemVersion* g_current = &g_system;
}  // namespace

SystemVersion& GetSystemVersion() { return *g_current; }
void SetSystemVersionForTesting(SystemVersion* version) {
  g_current = version ? version : &g_system;
}
