// The phonebook records in their first (Windows 95) layout. The system
// tells the layouts apart by dwSize, and the leading fields of the later
// ones lie at the same offsets.
#pragma once

#include <ras.h>

#include "platform/Win32.h"

struct RasEntryName95 {
  DWORD dwSize;
  char szEntryName[RAS_MaxEntryName + 1];
};
static_assert(sizeof(RasEntryName95) == 264, "phonebook entry record of 264 bytes");

struct RasDialParams95 {
  DWORD dwSize;
  char szEntryName[RAS_MaxEntryName + 1];
  char szPhoneNumber[RAS_MaxPhoneNumber + 1];
  char szCallbackNumber[RAS_MaxCallbackNumber + 1];
  char szUserName[UNLEN + 1];
  char szPassword[PWLEN + 1];
  char szDomain[DNLEN + 1];
};
static_assert(sizeof(RasDialParams95) == 1052, "dial parameter record of 1052 bytes");
