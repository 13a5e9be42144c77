// The operating-system family, behind a seam so that both families can be
// tested on one machine.
#pragma once

#include "platform/Win32.h"

class SystemVersion {
 public:
  virtual ~SystemVersion() = default;
  virtual BOOL GetVersionEx(OSVERSIONINFOA* info) = 0;
};

SystemVersion& GetSystemVersion();
// True on the Windows NT family, false on Windows 95 and 98.
bool IsNtFamily();
// nullptr restores the system's.
void SetSystemVersionForTesting(SystemVersion* version);
