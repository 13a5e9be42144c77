#include "wizard/DialUpTuning.h"

#include <cstdlib>
#include <cstring>
#include <vector>

#include "core/FolderPath.h"
#include "core/PathReading.h"
#include "core/SetupConfig.h"
#include "core/SetupState.h"
#include "core/WorkFolderFiles.h"
#include "platform/Profile.h"
#include "platform/Registry.h"
#include "wizard/RegistryBackup.h"

namespace {

constexpr char kMstcpKey[] = "System\\CurrentControlSet\\Services\\VxD\\MSTCP";
constexpr char kRcvWindow[] = "DefaultRcvWindow";
constexpr char kTtl[] = "DefaultTTL";
constexpr char kBlackHole[] = "PMTUBlackHoleDetect";
constexpr char kDiscovery[] = "PMTUDiscovery";
constexpr char kMaxMtu[] = "MaxMTU";
constexpr char kSpeedSection[] = "RasSpeed";
constexpr char kTransportSection[] = "netTrans";
// The same values with their type and exact bytes.
constexpr char kTypedSpeedSection[] = "RasSpeedTyped";
constexpr char kTypedTransportSection[] = "netTransTyped";
// No value the tuning replaces comes near this; a larger one is not saved.
constexpr DWORD kMaxSavedBytes = 1024;
constexpr size_t kTypedTextSize = 2 * kMaxSavedBytes + 16;
constexpr char kAbsent[] = "-1";
constexpr int kAdapters = 9;

constexpr int32_t kTunedRcvWindow = 2144;
constexpr char kTunedTtl[] = "128";
constexpr int32_t kTunedBlackHole = 0;
constexpr int32_t kTunedDiscovery = 1;
constexpr char kTunedMaxMtu[] = "576";

// The values of the MSTCP key, in the order they are saved and put back.
struct MstcpValue {
  const char* name;
  bool isText;
};
constexpr MstcpValue kMstcpValues[] = {
    {kRcvWindow, false}, {kTtl, true}, {kBlackHole, false}, {kDiscovery, false}};

// Adapter key n, and its backup key in the settings file.
struct Adapter {
  std::string key;
  std::string backupKey;
  explicit Adapter(int n)
      : key("System\\CurrentControlSet\\Services\\Class\\netTrans\\000" + std::to_string(n)),
        backupKey("P000" + std::to_string(n)) {}
};

// A value that the tuning replaces, and where its backup goes.
struct BackupEntry {
  std::string key;
  const char* name;
  const char* section;
  const char* typedSection;
  std::string backupKey;
  bool numberKey;
};

// The MSTCP values, then MaxMTU of each adapter key that exists, in the
// order of the backup.
std::vector<BackupEntry> BackupEntries() {
  std::vector<BackupEntry> entries;
  for (const MstcpValue& mstcp : kMstcpValues)
    entries.push_back(
        {kMstcpKey, mstcp.name, kSpeedSection, kTypedSpeedSection, mstcp.name, !mstcp.isText});
  for (int n = 0; n < kAdapters; ++n) {
    const Adapter adapter(n);
    if (RegistryKeyExists(HKEY_LOCAL_MACHINE, adapter.key.c_str()))
      entries.push_back({adapter.key, kMaxMtu, kTransportSection, kTypedTransportSection,
                         adapter.backupKey, false});
  }
  return entries;
}

// The first four bytes of a value read, as a 32-bit number.
int32_t NumberOf(const char (&value)[kTextSize]) {
  int32_t number = 0;
  std::memcpy(&number, value, sizeof number);
  return number;
}

int ReadRegValue(const char* key, const char* name, char (&value)[kTextSize]) {
  // One byte short of the buffer, so that a text read is always ended.
  std::memset(value, 0, sizeof value);
  DWORD size = kTextSize - 1;
  return RegistryRead(HKEY_LOCAL_MACHINE, key, name, value, &size) ? 1 : 0;
}

void WriteRegValue(const char* key, const char* name, DWORD type, const char* text) {
  RegistryWrite(HKEY_LOCAL_MACHINE, key, name, type, text,
                static_cast<DWORD>(std::strlen(text) + 1));
}

void WriteRegValue(const char* key, const char* name, DWORD type, int32_t number) {
  RegistryWrite(HKEY_LOCAL_MACHINE, key, name, type, &number, sizeof number);
}

void DeleteRegValue(const char* key, const char* name) {
  RegistryDelete(HKEY_LOCAL_MACHINE, key, name);
}

bool HasSomethingToTune(const TuningMessage& tell) {
  // Without the MSTCP key or any adapter key there is no Windows 9x
  // dial-up stack, and tuning could never come into force.
  bool adapter = false;
  for (int n = 0; n < kAdapters && !adapter; ++n)
    adapter = RegistryKeyExists(HKEY_LOCAL_MACHINE, Adapter(n).key.c_str());
  if (adapter && RegistryKeyExists(HKEY_LOCAL_MACHINE, kMstcpKey)) return true;
  tell("There are no dial-up connection settings to optimize on this computer.");
  return false;
}

bool BackUp(const char* settingsFile, const TuningMessage& tell) {
  // Nothing may be tuned unless every value it replaces is in the file,
  // read back as written: undoing relies on it alone.
  bool saved = true;
  for (const BackupEntry& entry : BackupEntries()) {
    SavedValue value;
    DWORD type = 0;
    switch (RegistryQuery(HKEY_LOCAL_MACHINE, entry.key.c_str(), entry.name, kMaxSavedBytes, &type,
                          &value.bytes)) {
      case RegistryLookup::Found:
        value.present = true;
        value.type = type;
        break;
      case RegistryLookup::Absent:
        break;
      case RegistryLookup::Failed:
        saved = false;
        continue;
    }
    WriteProfileValue(entry.section, entry.backupKey.c_str(),
                      PlainBackupText(value, entry.numberKey).c_str(), settingsFile);
    const std::string exact = TypedBackupText(value);
    WriteProfileValue(entry.typedSection, entry.backupKey.c_str(), exact.c_str(), settingsFile);
    saved = saved && ReadProfileValue(entry.typedSection, entry.backupKey.c_str(), "", settingsFile,
                                      kTypedTextSize) == exact;
  }
  if (!saved) {
    const std::string text = std::string("The current connection settings could not be saved in ") +
                             settingsFile + ". Nothing was changed.";
    tell(text);
  }
  return saved;
}

void Tune() {
  for (int n = 0; n < kAdapters; ++n) {
    const Adapter adapter(n);
    if (RegistryKeyExists(HKEY_LOCAL_MACHINE, adapter.key.c_str()))
      WriteRegValue(adapter.key.c_str(), kMaxMtu, REG_SZ, kTunedMaxMtu);
  }
  WriteRegValue(kMstcpKey, kRcvWindow, REG_DWORD, kTunedRcvWindow);
  WriteRegValue(kMstcpKey, kTtl, REG_SZ, kTunedTtl);
  WriteRegValue(kMstcpKey, kBlackHole, REG_DWORD, kTunedBlackHole);
  WriteRegValue(kMstcpKey, kDiscovery, REG_DWORD, kTunedDiscovery);
}

// The settings file of `folder`, its folders created; false when the path
// does not fit.
bool PrepareSettingsFile(const std::string& folder, char (&path)[kTextSize]) {
  const std::string file = JoinPath(folder, kSettingsFileName);
  if (file.size() >= static_cast<size_t>(kTextSize)) return false;
  StoreText(path, file);
  CreateFolderPath(path);
  return true;
}

}  // namespace

bool IsDialUpTuned() {
  char value[kTextSize];
  if (!ReadRegValue(kMstcpKey, kRcvWindow, value) || NumberOf(value) != kTunedRcvWindow)
    return false;
  if (!ReadRegValue(kMstcpKey, kTtl, value) || std::atoi(value) != std::atoi(kTunedTtl))
    return false;
  if (ReadRegValue(kMstcpKey, kBlackHole, value) && NumberOf(value) != kTunedBlackHole)
    return false;
  if (ReadRegValue(kMstcpKey, kDiscovery, value) && NumberOf(value) != kTunedDiscovery)
    return false;
  // The last adapter with a readable MaxMTU decides.
  bool tuned = false;
  for (int n = 0; n < kAdapters; ++n) {
    const Adapter adapter(n);
    if (RegistryKeyExists(HKEY_LOCAL_MACHINE, adapter.key.c_str()) &&
        ReadRegValue(adapter.key.c_str(), kMaxMtu, value))
      tuned = std::atoi(value) == std::atoi(kTunedMaxMtu);
  }
  return tuned;
}

bool OptimizeDialUp(const std::string& folder, const TuningMessage& tell) {
  char settingsFile[kTextSize];
  if (!HasSomethingToTune(tell) || !PrepareSettingsFile(folder, settingsFile) ||
      !BackUp(settingsFile, tell))
    return false;
  Tune();
  return true;
}

bool UndoDialUpTuning(const std::string& folder) {
  char settingsFile[kTextSize];
  if (!PrepareSettingsFile(folder, settingsFile)) return false;
  RestoreTuning(settingsFile);
  return true;
}

void RestoreTuning(const char* settingsFile) {
  for (const BackupEntry& entry : BackupEntries()) {
    // The exact form when this setup wrote the backup, else the plain form
    // of an older one.
    SavedValue value;
    if (!FromTypedBackup(ReadProfileValue(entry.typedSection, entry.backupKey.c_str(), "",
                                          settingsFile, kTypedTextSize),
                         value))
      value = FromPlainBackup(
          ReadProfileValue(entry.section, entry.backupKey.c_str(), kAbsent, settingsFile),
          entry.numberKey);
    if (!value.present)
      DeleteRegValue(entry.key.c_str(), entry.name);
    else
      RegistryWrite(HKEY_LOCAL_MACHINE, entry.key.c_str(), entry.name, value.type,
                    value.bytes.data(), static_cast<DWORD>(value.bytes.size()));
  }
}

bool HasTuningBackup(const char* settingsFile) {
  return ReadProfileValue(kSpeedSection, kRcvWindow, kNoValue, settingsFile) != kNoValue;
}
