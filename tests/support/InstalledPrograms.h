// The entries among the installed programs (the Uninstall key of
// CurrentVersion in HKCU and HKLM) as the tests look at them: by the
// installation folder they list and by the product name they show, since
// their key names carry a mark of the folder.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

constexpr char kInstalledProgramsKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

// A value of an entry below the Uninstall key; empty when there is none.
inline std::string EntryValue(HKEY root, const std::string& entry, const char* name) {
  char text[1024] = {};
  DWORD size = sizeof text - 1;
  HKEY key = nullptr;
  const std::string path = std::string(kInstalledProgramsKey) + "\\" + entry;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return "";
  const bool read = RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(text),
                                     &size) == ERROR_SUCCESS;
  RegCloseKey(key);
  return read ? text : "";
}

// The names of the entries in `root` whose `value` is `text`, ignoring case.
inline std::vector<std::string> EntriesWith(HKEY root, const char* value, const std::string& text) {
  std::vector<std::string> names;
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, kInstalledProgramsKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return names;
  char name[256];
  for (DWORD i = 0;; ++i) {
    DWORD size = sizeof name;
    if (RegEnumKeyExA(key, i, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
      break;
    if (lstrcmpiA(EntryValue(root, name, value).c_str(), text.c_str()) == 0) names.push_back(name);
  }
  RegCloseKey(key);
  return names;
}

// The entries in `root` that list the installation in `folder`.
inline std::vector<std::string> EntriesListing(HKEY root, const std::string& folder) {
  return EntriesWith(root, "InstallLocation", folder);
}

// Deletes every entry of both hives that shows `product`, as other tests'
// installations leave them.
inline void DeleteEntriesOf(const std::string& product) {
  for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE})
    for (const std::string& name : EntriesWith(root, "DisplayName", product))
      RegDeleteKeyA(root, (std::string(kInstalledProgramsKey) + "\\" + name).c_str());
}
