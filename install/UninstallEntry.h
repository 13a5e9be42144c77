// The entry that lists the product among the installed programs (the
// Uninstall key of CurrentVersion). It lives in the hive of the one who
// installed on the NT family (HKCU: it needs no administrator's rights and
// belongs with the user's own program group), in HKLM on Windows 95 and 98,
// whose Add/Remove Programs reads only that hive.
#pragma once

#include <string>
#include <vector>

#include "core/SetupState.h"

struct UninstallRegistration {
  // "HKCU\..." or "HKLM\...".
  std::string entryKey;
  // Keys above the entry that did not exist before, outer ones first.
  std::vector<std::string> createdKeys;
  bool registered = false;
};

UninstallRegistration RegisterUninstallEntry(const SetupState& state, const std::string& folder);

// Deletes a recorded key ("HKCU\..." or "HKLM\...") with its values. When
// `onlyIfEmpty`, a key that holds anything stays. False when the key is
// still there afterwards.
bool RemoveRecordedKey(const std::string& key, bool onlyIfEmpty);
