// uninst.exe, black-box, after an unattended installation: the Wine
// prefix's files, Start menu and registry as they were before, but for the
// user's file and its folder; the question with the branded name; nothing
// to remove; on the Windows 9x family the entry in HKLM and the dial-up
// tuning put back.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/Folders.h"
#include "tests/driver/UiDriver.h"
#include "tests/support/ProgmanRecorder.h"
#include "tests/support/SampleDistribution.h"
#include "tests/support/StartMenu.h"
#include "tests/support/TcpRegistry.h"
#include "tests/support/WizardTyping.h"

namespace {

using Snapshot = std::set<std::string>;

constexpr char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

constexpr char kBase[] = "C:\\Quelmar Removal";
constexpr char kWork[] = "C:\\Quelmar Removal\\Deep\\kq";

// Every folder and file in `folder` (and below it when `deep`), with the
// sizes of the files.
void AddFiles(const std::string& folder, Snapshot& snapshot, bool deep) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = found.cFileName;
    if (name == "." || name == "..") continue;
    const std::string path = folder + "\\" + name;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      snapshot.insert(path + "\\");
      if (deep) AddFiles(path, snapshot, deep);
    } else {
      snapshot.insert(path + " " + std::to_string(found.nFileSizeLow));
    }
  } while (FindNextFileA(search, &found));
  FindClose(search);
}

// Every key and value name below `key`, with the value's bytes.
void AddKeys(HKEY root, const std::string& key, Snapshot& snapshot) {
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
// links to the Linux home, which hold nothing of the prefix) and the
// registry keys.
Snapshot PrefixState() {
  Snapshot state;
  AddFiles("C:", state, false);
  const char* profile = std::getenv("USERPROFILE");
  for (const std::string& folder :
       {std::string("C:\\ProgramData"), std::string("C:\\Program Files"),
        std::string("C:\\users\\Public"), std::string(kBase),
        std::string(profile) + "\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu",
        std::string(profile) + "\\AppData\\Local", std::string(profile) + "\\Temp"})
    AddFiles(folder, state, true);
  Snapshot keys;
  AddKeys(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion", keys);
  AddKeys(HKEY_LOCAL_MACHINE, kUninstallKey, keys);
  AddKeys(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Services", keys);
  for (const std::string& key : keys) state.insert("registry " + key);
  return state;
}

std::vector<std::string> Minus(const Snapshot& a, const Snapshot& b) {
  std::vector<std::string> rest;
  std::set_difference(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(rest));
  return rest;
}

// Wine reports Windows 98 to the named programs while it lives.
class Windows98For {
 public:
  explicit Windows98For(std::vector<std::string> programs) : m_programs(std::move(programs)) {
    for (const std::string& program : m_programs) {
      HKEY key = nullptr;
      RegCreateKeyA(HKEY_CURRENT_USER, Key(program).c_str(), &key);
      RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>("win98"), 6);
      RegCloseKey(key);
    }
  }
  ~Windows98For() {
    for (const std::string& program : m_programs)
      RegDeleteKeyA(HKEY_CURRENT_USER, Key(program).c_str());
  }

 private:
  static std::string Key(const std::string& program) {
    return "Software\\Wine\\AppDefaults\\" + program;
  }
  std::vector<std::string> m_programs;
};

// What stays after the removal: the user's notes and the folders that hold
// them, and the record the speech installers' stand-ins keep of their start
// beside themselves (a file the product's components added). The
// installation made its folders with upper-case names.
std::vector<std::string> KeptAfterRemoval() {
  return {"C:\\QUELMAR REMOVAL\\", "C:\\Quelmar Removal\\DEEP\\", "C:\\Quelmar Removal\\DEEP\\KQ\\",
          "C:\\Quelmar Removal\\DEEP\\KQ\\notes.txt 20",
          "C:\\Quelmar Removal\\DEEP\\KQ\\standins.log 68"};
}

class UninstallTest : public testing::Test {
 protected:
  void SetUp() override {
    m_home = GetCurrentFolder();
    m_dist = MakeDistribution(m_home + "\\dist");
    RemoveTree(kBase);
    // Other tests' installations leave their group and entry behind; the
    // machine before this installation has none of them.
    for (const std::string name : {"Quelmar Ovistra", "CamCast Pro"}) {
      RemoveTree(StartMenuGroup(name));
      for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE})
        RegDeleteKeyA(root, (std::string(kUninstallKey) + "\\" + name).c_str());
    }
  }
  void TearDown() override { RemoveTree(kBase); }

  DWORD InstallUnattended(const std::string& extraKq = "", const char* optimize = "Keep") {
    const std::string ini = m_dist + "\\setup.ini";
    DeleteFileA(ini.c_str());
    if (!extraKq.empty())
      WritePrivateProfileStringA("Kq", "OEMProductName", extraKq.c_str(), ini.c_str());
    const std::map<std::string, std::string> answers = {{"Licence", "Accept"},
                                                        {"Connection", "LAN"},
                                                        {"Folder", kWork},
                                                        {"Password", "secret"},
                                                        {"Optimize", optimize}};
    for (const auto& [key, value] : answers)
      WritePrivateProfileStringA("Unattended", key.c_str(), value.c_str(), ini.c_str());
    ui::Process setup("\"" + m_dist + "\\setup.exe\" unattended", m_dist);
    const DWORD exitCode = setup.WaitExit(60000);
    // The speech installers it started, never waited for, keep their record.
    StandInStarts(kWork, 2);
    return exitCode;
  }

  // Waits until the removal copy has taken the uninstaller's own file.
  static void WaitForRemovalCopy() {
    const std::string uninstaller = std::string(kWork) + "\\uninst.exe";
    ui::Driver().WaitUntil(
        [&] { return GetFileAttributesA(uninstaller.c_str()) == INVALID_FILE_ATTRIBUTES; },
        "the removal copy", 15000);
    Sleep(500);  // the copy ends and the system deletes it
  }

  std::string m_home, m_dist;
};

TEST_F(UninstallTest, UnattendedRemovalLeavesTheMachineAsBeforeButTheUsersFile) {
  const Snapshot before = PrefixState();
  ASSERT_EQ(0u, InstallUnattended());
  const std::vector<std::string> added = Minus(PrefixState(), before);
  EXPECT_TRUE(std::any_of(added.begin(), added.end(), [](const std::string& path) {
    return path.find("Start Menu\\Programs\\Quelmar Ovistra\\Quelmar Ovistra.lnk") !=
           std::string::npos;
  }));
  EXPECT_TRUE(std::any_of(added.begin(), added.end(), [](const std::string& line) {
    return line.find("Uninstall\\Quelmar Ovistra\\UninstallString=") != std::string::npos;
  }));
  WriteWholeFile(std::string(kWork) + "\\notes.txt", "the user's own notes");

  ui::Process uninstaller("\"" + std::string(kWork) + "\\uninst.exe\" unattended", kWork);
  EXPECT_EQ(0u, uninstaller.WaitExit(30000));
  WaitForRemovalCopy();

  const Snapshot after = PrefixState();
  EXPECT_EQ(std::vector<std::string>{}, Minus(before, after)) << "nothing that was there went";
  EXPECT_EQ(KeptAfterRemoval(), Minus(after, before));
}

TEST_F(UninstallTest, AskedRemovalNamesTheBrandedProductAndNoKeepsEverything) {
  ProgmanRecorder progman;
  // Through the wizard, whose group is Program Manager's.
  WritePrivateProfileStringA("Kq", "OEMProductName", "CamCast Pro",
                             (m_dist + "\\setup.ini").c_str());
  {
    ui::Process setup("\"" + m_dist + "\\setup.exe\"", m_dist);
    WalkTheWizardTyping(ui::Driver(setup.Id()), kWork);
    ASSERT_EQ(0u, setup.WaitExit(120000));
  }
  const std::vector<std::string> installed = FilesIn(kWork);

  const std::string command = "\"" + std::string(kWork) + "\\uninst.exe\"";
  {
    ui::Process uninstaller(command, kWork);
    const ui::Driver user(uninstaller.Id());
    const ui::MessageBoxView question = user.WaitMessageBox(15000);
    EXPECT_EQ("Remove CamCast Pro and all of its components?", question.text);
    EXPECT_EQ("uninst", question.title);
    EXPECT_TRUE(GetDlgItem(question.window, IDYES) && GetDlgItem(question.window, IDNO));
    ui::Screenshot("uninstall-question");
    user.Answer(question, IDNO);
    EXPECT_EQ(3u, uninstaller.WaitExit());
  }
  EXPECT_EQ(installed, FilesIn(kWork));
  EXPECT_EQ(4u, progman.Commands().size()) << "the group was left alone";

  // Without the stand-ins' record the folders hold nothing but what the
  // installation put there.
  DeleteFileA((std::string(kWork) + "\\standins.log").c_str());
  ui::Process uninstaller(command, kWork);
  const ui::Driver user(uninstaller.Id());
  user.Answer(user.WaitMessageBox(15000), IDYES);
  EXPECT_EQ(0u, uninstaller.WaitExit(30000));
  WaitForRemovalCopy();
  EXPECT_EQ("[DeleteGroup(CamCast Pro)]", progman.Commands().back());
  EXPECT_FALSE(FolderExists(kBase)) << "the folders the installation made go once empty";
}

TEST_F(UninstallTest, NothingToRemoveEndsWithTwo) {
  const std::string lone = m_home + "\\lone";
  RemoveTree(lone);
  CreateDirectoryA(lone.c_str(), nullptr);
  CopyFileA((m_dist + "\\uninst.exe").c_str(), (lone + "\\uninst.exe").c_str(), FALSE);

  ui::Process quiet("\"" + lone + "\\uninst.exe\" unattended", lone);
  EXPECT_EQ(2u, quiet.WaitExit(30000));

  ui::Process asked("\"" + lone + "\\uninst.exe\"", lone);
  const ui::Driver user(asked.Id());
  const ui::MessageBoxView box = user.WaitMessageBox(15000);
  EXPECT_EQ("There is nothing of Quelmar Ovistra to remove.", box.text);
  user.Answer(box, IDOK);
  EXPECT_EQ(2u, asked.WaitExit());
  EXPECT_EQ(std::vector<std::string>{"uninst.exe"}, FilesIn(lone));
  RemoveTree(lone);
}

TEST_F(UninstallTest, OnWindows98TheEntryIsInHklmAndTheTuningIsPutBack) {
  TcpRegistry registry;
  ASSERT_TRUE(registry.Usable());
  registry.Mstcp("DefaultRcvWindow", Dword(8760));
  registry.Mstcp("DefaultTTL", Text("32"));
  registry.AddAdapter(0, "1500");
  const auto untuned = TcpRegistry::Snapshot();
  const Windows98For windows98({"setup.exe", "uninst.exe"});
  const std::string entry = std::string(kUninstallKey) + "\\Quelmar Ovistra";
  Snapshot before;
  AddKeys(HKEY_LOCAL_MACHINE, kUninstallKey, before);

  ProgmanRecorder progman;
  ASSERT_EQ(0u, InstallUnattended("", "Yes"));
  EXPECT_EQ(Dword(2144), TcpRegistry::Snapshot().at(kMstcp).at("DefaultRcvWindow"));
  EXPECT_EQ(Text("576"), TcpRegistry::Snapshot().at(AdapterKey(0)).at("MaxMTU"));
  HKEY key = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyA(HKEY_LOCAL_MACHINE, entry.c_str(), &key));
  RegCloseKey(key);
  EXPECT_NE(ERROR_SUCCESS, RegOpenKeyA(HKEY_CURRENT_USER, entry.c_str(), &key));

  ui::Process uninstaller("\"" + std::string(kWork) + "\\uninst.exe\" unattended", kWork);
  EXPECT_EQ(0u, uninstaller.WaitExit(30000));
  WaitForRemovalCopy();
  EXPECT_EQ(untuned, TcpRegistry::Snapshot());
  Snapshot after;
  AddKeys(HKEY_LOCAL_MACHINE, kUninstallKey, after);
  EXPECT_EQ(before, after);
}

TEST_F(UninstallTest, WithoutProgramManagerTheShortcutGroupGoesToo) {
  const Snapshot before = PrefixState();
  {
    const ProgmanRecorder refusing(ProgmanRecorder::Answer::Refuse);
    ASSERT_EQ(0u, InstallUnattended());
  }
  const std::string group = StartMenuGroup("Quelmar Ovistra");
  EXPECT_EQ((std::vector<std::string>{"Quelmar Ovistra.lnk", "Uninstall Quelmar Ovistra.lnk"}),
            FilesIn(group));
  WriteWholeFile(std::string(kWork) + "\\notes.txt", "the user's own notes");

  ui::Process uninstaller("\"" + std::string(kWork) + "\\uninst.exe\" unattended", kWork);
  EXPECT_EQ(0u, uninstaller.WaitExit(30000));
  WaitForRemovalCopy();
  const Snapshot after = PrefixState();
  EXPECT_EQ(std::vector<std::string>{}, Minus(before, after));
  EXPECT_EQ(KeptAfterRemoval(), Minus(after, before));
}

}  // namespace
