// The entry that lists the product among the installed programs (the
// Uninstall key of CurrentVersion), one per installation folder. It lives in
// the hive of the one who installed on the NT family (HKCU: it needs no
// administrator's rights and belongs with the user's own program group), in
// HKLM on Windows 95 and 98, whose Add/Remove Programs reads only that hive.
#pragma once

#include <string>
#include <vector>

#include "core/SetupState.h"
#include "install/Removal.h"

struct UninstallRegistration {
  // "HKCU\..." or "HKLM\...".
  std::string entryKey;
  // Keys above the entry that did not exist before, outer ones first.
  std::vector<std::string> createdKeys;
  bool registered = false;
};

UninstallRegistration RegisterUninstallEntry(const SetupState& state, const std::string& folder);

// An entry among the installed programs, of any program, as found.
struct InstalledEntry {
  // "HKCU\..." or "HKLM\...".
  std::string key;
  std::string displayName;
  std::string installLocation;
};

// Every entry of both hives.
std::vector<InstalledEntry> InstalledEntries();

// Deletes a recorded entry ("HKCU\..." or "HKLM\...") with its values, but
// only when it lists the installation in `folder`: another installation
// may have put its own there.
Removal RemoveUninstallEntry(const std::string& key, const std::string& folder);

// Deletes a recorded key that holds nothing; one that holds values or keys
// stays.
Removal RemoveRecordedKey(const std::string& key);
