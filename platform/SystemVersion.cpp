#include "platform/SystemVersion.h"

#include "platform/Seam.h"

namespace {
class RealSystemVersion : public SystemVersion {
 public:
  BOOL GetVersionEx(OSVERSIONINFOA* info) override { return GetVersionExA(info); }
};

}  // namespace

using SystemVersionSeam = Seam<SystemVersion, RealSystemVersion>;

SystemVersion& GetSystemVersion() { return SystemVersionSeam::Get(); }
void SetSystemVersionForTesting(SystemVersion* replacement) { SystemVersionSeam::Set(replacement); }
