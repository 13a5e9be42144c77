// What the uninstaller's black-box tests share: the state of the Wine
// prefix where an installation may reach (files, Start menu, registry), an
// unattended installation of the sample distribution, the uninstaller run
// unattended with its standard error caught, and a wait for the removal
// copy to end, after which the state is read.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/Folders.h"
#include "tests/driver/UiDriver.h"
#include "tests/support/AnswersFile.h"
#include "tests/support/ErrorOutput.h"
#include "tests/support/FolderSnapshot.h"
#include "tests/support/InstallChecks.h"
#include "tests/support/InstalledPrograms.h"
#include "tests/support/SampleDistribution.h"
#include "tests/support/StartMenu.h"

using Snapshot = std::set<std::string>;

constexpr char kRemovalBase[] = "C:\\Quelmar Removal";
constexpr char kRemovalWork[] = "C:\\Quelmar Removal\\Deep\\kq";

// Every key and value name below `key`, with the value's bytes.
inline void AddKeys(HKEY root, const std::string& key, Snapshot& snapshot) {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return;
  snapshot.insert(key + "\\");
  char name[512];
  BYTE data[4096];
  for (DWORD i = 0;; ++i) {
    DWORD nameSize = sizeof name, dataSize = sizeof data, type = 0;
    if (RegEnumValueA(opened, i, name, &nameSize, nullptr, &type, data, &dataSize) != ERROR_SUCCESS)
      break;
    snapshot.insert(key + "\\" + name + "=" + std::to_string(type) + ":" +
                    std::string(reinterpret_cast<char*>(data), dataSize));
  }
  std::vector<std::string> subkeys;
  for (DWORD i = 0;; ++i) {
    DWORD nameSize = sizeof name;
    if (RegEnumKeyExA(opened, i, name, &nameSize, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS)
      break;
    subkeys.push_back(key + "\\" + name);
  }
  RegCloseKey(opened);
  for (const std::string& subkey : subkeys) AddKeys(root, subkey, snapshot);
}

// What an installation may touch: the drive's top level, the folders of
// programs, the user's Start menu and local folders (not those that Wine
// links to the Linux home, which hold nothing of the prefix), the
// temporary folder and the registry keys.
inline Snapshot PrefixState() {
  Snapshot state;
  AddFolderEntries("C:", state, false);
  const char* profile = std::getenv("USERPROFILE");
  for (const std::string& folder :
       {std::string("C:\\ProgramData"), std::string("C:\\Program Files"),
        std::string("C:\\users\\Public"), std::string(kRemovalBase),
        std::string(profile) + "\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu",
        std::string(profile) + "\\AppData\\Local", std::string(profile) + "\\Temp"})
    AddFolderEntries(folder, state, true);
  Snapshot keys;
  AddKeys(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion", keys);
  AddKeys(HKEY_LOCAL_MACHINE, kInstalledProgramsKey, keys);
  AddKeys(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Services", keys);
  for (const std::string& key : keys) state.insert("registry " + key);
  return state;
}

inline std::vector<std::string> Minus(const Snapshot& a, const Snapshot& b) {
  std::vector<std::string> rest;
  std::set_difference(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(rest));
  return rest;
}

// `path` as the disk spells it, which is how the uninstaller names it.
inline std::string OnDisk(const std::string& path) {
  char spelt[MAX_PATH];
  const DWORD length = GetLongPathNameA(path.c_str(), spelt, MAX_PATH);
  return length > 0 && length < MAX_PATH ? std::string(spelt, length) : path;
}

// Polls `done` until it holds or `timeoutMs` has passed; whether it held.
inline bool WaitFor(const std::function<bool()>& done, int timeoutMs = 15000) {
  for (const DWORD start = GetTickCount();; Sleep(ui::kPollMs)) {
    if (done()) return true;
    if (GetTickCount() - start > static_cast<DWORD>(timeoutMs)) return false;
  }
}

// How long a removal copy may take at most: it waits up to 30 s for its
// uninstaller, then a few seconds for the file. The waits below end as soon
// as the copy does; this bound only stops a copy that hangs.
constexpr int kRemovalCopyBoundMs = 60000;

// Whether the removal copy that an uninstaller hands over to has ended: its
// own file in the temporary folder goes as it ends. After that, nothing
// changes the machine any more.
inline bool RemovalCopyEnded() {
  const char* temp = std::getenv("TEMP");
  return FilesIn(temp ? temp : ".").empty();
}

// Deletes a key with everything below it.
inline void DeleteKeyTree(HKEY root, const std::string& key) {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return;
  std::vector<std::string> subkeys;
  char name[256];
  for (DWORD i = 0;; ++i) {
    DWORD size = sizeof name;
    if (RegEnumKeyExA(opened, i, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
      break;
    subkeys.push_back(key + "\\" + name);
  }
  RegCloseKey(opened);
  for (const std::string& subkey : subkeys) DeleteKeyTree(root, subkey);
  RegDeleteKeyA(root, key.c_str());
}

class RemovalFixture : public testing::Test {
 protected:
  void SetUp() override {
    m_home = GetCurrentFolder();
    m_dist = MakeDistribution(m_home + "\\dist");
    RemoveTree(kRemovalBase);
    // Other tests' installations leave their group and entry behind; the
    // machine before this installation has none of them.
    for (const char* name : {"Quelmar Ovistra", "CamCast Pro"}) {
      RemoveTree(StartMenuGroup(name));
      DeleteEntriesOf(name);
    }
  }
  void TearDown() override { RemoveTree(kRemovalBase); }

  // Installs unattended into `work`, branded `product` when given (nullptr
  // leaves the key out), with a log when `log` names one; the exit code.
  DWORD InstallUnattended(const char* product = nullptr, const char* optimize = "Keep",
                          const std::string& work = kRemovalWork, const std::string& log = "") {
    const std::string ini = m_dist + "\\setup.ini";
    DeleteFileA(ini.c_str());
    if (product) WritePrivateProfileStringA("Kq", "OEMProductName", product, ini.c_str());
    Answers answers = {{"Licence", "Accept"},
                       {"Connection", "LAN"},
                       {"Folder", work},
                       {"Password", "secret"},
                       {"Optimize", optimize}};
    if (!log.empty()) answers["Log"] = log;
    WriteAnswers(ini, answers);
    ui::Process setup("\"" + m_dist + "\\setup.exe\" unattended", m_dist);
    const DWORD exitCode = setup.WaitExit(60000);
    // The speech installers it started, never waited for, keep their record.
    if (exitCode == 0) StandInStarts(work, 2);
    return exitCode;
  }

  // The uninstaller of the installation in `work`, run unattended.
  static RunOutcome Uninstall(const std::string& work = kRemovalWork) {
    return RunCatchingErrors("\"" + work + "\\uninst.exe\" unattended", work);
  }

  // Whether the removal copy took the uninstaller's own file in `work` and
  // ended.
  static bool RemovalCopyDone(const std::string& work = kRemovalWork) {
    const std::string program = work + "\\uninst.exe";
    return WaitFor(RemovalCopyEnded, kRemovalCopyBoundMs) &&
           GetFileAttributesA(program.c_str()) == INVALID_FILE_ATTRIBUTES;
  }

  // Expects the prefix to become `before` but for `kept`.
  static void ExpectMachineAsBeforeBut(const Snapshot& before,
                                       const std::vector<std::string>& kept) {
    // Read once the removal copy, the last to change the machine, has ended
    // (at once where the uninstaller handed over to none).
    EXPECT_TRUE(WaitFor(RemovalCopyEnded, kRemovalCopyBoundMs))
        << "the removal copy still runs after " << kRemovalCopyBoundMs << " ms";
    const Snapshot after = PrefixState();
    EXPECT_EQ(std::vector<std::string>{}, Minus(before, after)) << "nothing that was there went";
    EXPECT_EQ(kept, Minus(after, before));
  }

  std::string m_home, m_dist;
};
