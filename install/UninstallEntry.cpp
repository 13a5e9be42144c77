#include "install/UninstallEntry.h"

#include <cstring>

#include "core/PathReading.h"
#include "core/SetupConfig.h"
#include "core/WorkFolderFiles.h"
#include "install/EntryName.h"
#include "platform/FileOps.h"
#include "platform/Folders.h"
#include "platform/Registry.h"
#include "platform/SystemVersion.h"

namespace {

struct RootName {
  HKEY root;
  const char* name;
};
const RootName kRoots[] = {{HKEY_CURRENT_USER, "HKCU"}, {HKEY_LOCAL_MACHINE, "HKLM"}};

void WriteText(HKEY root, const std::string& key, const char* name, const std::string& value) {
  RegistryWrite(root, key.c_str(), name, REG_SZ, value.c_str(),
                static_cast<DWORD>(value.size() + 1));
}

void WriteNumber(HKEY root, const std::string& key, const char* name, DWORD value) {
  RegistryWrite(root, key.c_str(), name, REG_DWORD, &value, sizeof value);
}

bool SplitKey(const std::string& recorded, HKEY& root, std::string& key) {
  for (const RootName& known : kRoots) {
    const size_t length = std::strlen(known.name);
    if (recorded.compare(0, length, known.name) == 0 && recorded.size() > length + 1 &&
        recorded[length] == '\\') {
      root = known.root;
      key = recorded.substr(length + 1);
      return true;
    }
  }
  return false;
}

}  // namespace

UninstallRegistration RegisterUninstallEntry(const SetupState& state, const std::string& folder) {
  const RootName& hive = IsNtFamily() ? kRoots[0] : kRoots[1];
  const std::string key = JoinPath(
      kUninstallKeyPath, UninstallEntryName(state.m_szProductName, FolderMark(LongPath(folder))));
  UninstallRegistration registration;
  registration.entryKey = JoinPath(hive.name, key);
  std::vector<std::string> created;
  registration.registered = RegistryCreateKey(hive.root, key.c_str(), created);
  for (const std::string& made : created) {
    // The entry itself is recorded as the entry.
    if (made != key) registration.createdKeys.push_back(JoinPath(hive.name, made));
  }
  if (!registration.registered) return registration;

  const std::string uninstaller = "\"" + JoinPath(folder, kUninstallerCommand) + "\"";
  WriteText(hive.root, key, "DisplayName", state.m_szProductName);
  WriteText(hive.root, key, "DisplayVersion", VersionText());
  WriteText(hive.root, key, "Publisher", state.m_szCompanyName);
  WriteText(hive.root, key, "InstallLocation", folder);
  WriteText(hive.root, key, "UninstallString", uninstaller);
  WriteText(hive.root, key, "QuietUninstallString", uninstaller + " unattended");
  WriteText(hive.root, key, "DisplayIcon", JoinPath(folder, kProductProgram));
  WriteNumber(hive.root, key, "NoModify", 1);
  WriteNumber(hive.root, key, "NoRepair", 1);
  return registration;
}

std::vector<InstalledEntry> InstalledEntries() {
  std::vector<InstalledEntry> entries;
  for (const RootName& hive : kRoots) {
    for (const std::string& name : RegistrySubkeys(hive.root, kUninstallKeyPath)) {
      const std::string key = JoinPath(kUninstallKeyPath, name);
      entries.push_back({JoinPath(hive.name, key),
                         RegistryText(hive.root, key.c_str(), "DisplayName"),
                         RegistryText(hive.root, key.c_str(), "InstallLocation")});
    }
  }
  return entries;
}

Removal RemoveUninstallEntry(const std::string& recorded, const std::string& folder) {
  HKEY root;
  std::string key;
  if (!SplitKey(recorded, root, key)) return Removal::Failed;
  if (!RegistryKeyExists(root, key.c_str())) return Removal::AlreadyGone;
  const std::string location = RegistryText(root, key.c_str(), "InstallLocation");
  if (location.empty() || !RealFileOps().SameFile(location, folder)) return Removal::Kept;
  return RegistryDeleteKey(root, key.c_str()) ? Removal::Removed : Removal::Failed;
}

Removal RemoveRecordedKey(const std::string& recorded) {
  HKEY root;
  std::string key;
  if (!SplitKey(recorded, root, key)) return Removal::Failed;
  if (!RegistryKeyExists(root, key.c_str())) return Removal::AlreadyGone;
  if (!RegistryKeyIsEmpty(root, key.c_str())) return Removal::Kept;
  return RegistryDeleteKey(root, key.c_str()) ? Removal::Removed : Removal::Failed;
}
