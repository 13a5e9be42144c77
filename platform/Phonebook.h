// The dial-up phonebook, behind a seam: Wine's RAS has no entries, so tests
// put a phonebook of their own in its place.
#pragma once

#include "platform/Win32.h"
#include <ras.h>

class Phonebook {
 public:
  virtual ~Phonebook() = default;
  virtual DWORD EnumEntries(RASENTRYNAMEA* entries, DWORD* bytes, DWORD* count) = 0;
  virtual DWORD GetEntryDialParams(RASDIALPARAMSA* params, BOOL* passwordRetrieved) = 0;
};

// The phonebook in use: the system's unless a test replaced it.
Phonebook& GetPhonebook();
// nullptr restores the system's.
void SetPhonebookForTesting(Phonebook* phonebook);
