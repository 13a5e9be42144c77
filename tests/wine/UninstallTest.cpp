// uninst.exe, black-box, after unattended installations: the Wine prefix's
// files, Start menu and registry as they were before, but for the user's
// file and its folder; the question and its box with the branded name;
// nothing to remove; on the Windows 9x family the entry in HKLM and the
// dial-up tuning put back. Off the normal road: a held file stays with the
// record, the uninstaller and the entry until a second run; two
// installations each with their own entry, sharing the group until the last
// goes; a copy in another folder that removes nothing; a blank OEM name
// through setup and uninstall; what is already gone, a key that stays, the
// user's items in the group.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "install/InstallRecord.h"
#include "tests/support/ProgmanRecorder.h"
#include "tests/support/RemovalFixture.h"
#include "tests/support/TcpRegistry.h"
#include "tests/support/WindowsVersion.h"
#include "tests/support/WizardTyping.h"

namespace {

constexpr char kBase[] = "C:\\Quelmar Removal";
constexpr char kWork[] = "C:\\Quelmar Removal\\Deep\\kq";

// What stays after the removal: the user's notes and the folders that hold
// them, and the record the speech installers' stand-ins keep of their start
// beside themselves (a file the product's components added). The
// installation made its folders with upper-case names.
std::vector<std::string> KeptAfterRemoval() {
  return {"C:\\QUELMAR REMOVAL\\", "C:\\Quelmar Removal\\DEEP\\", "C:\\Quelmar Removal\\DEEP\\KQ\\",
          "C:\\Quelmar Removal\\DEEP\\KQ\\notes.txt 20",
          "C:\\Quelmar Removal\\DEEP\\KQ\\standins.log 68"};
}

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

using UninstallTest = RemovalFixture;

TEST_F(UninstallTest, UnattendedRemovalLeavesTheMachineAsBeforeButTheUsersFile) {
  const Snapshot before = PrefixState();
  ASSERT_EQ(0u, InstallUnattended());
  const std::vector<std::string> added = Minus(PrefixState(), before);
  EXPECT_TRUE(std::any_of(added.begin(), added.end(), [](const std::string& path) {
    return Contains(path, "Start Menu\\Programs\\Quelmar Ovistra\\Quelmar Ovistra.lnk");
  }));
  const std::vector<std::string> entries = EntriesListing(HKEY_CURRENT_USER, kWork);
  ASSERT_EQ(1u, entries.size());
  EXPECT_EQ("\"" + std::string(kWork) + "\\Uninst.exe\"",
            EntryValue(HKEY_CURRENT_USER, entries[0], "UninstallString"));
  WriteWholeFile(std::string(kWork) + "\\notes.txt", "the user's own notes");

  EXPECT_EQ(0u, Uninstall().exitCode);
  ExpectMachineAsBeforeBut(before, KeptAfterRemoval());
}

TEST_F(UninstallTest, AskedRemovalNamesTheBrandedProductAndNoKeepsEverything) {
  ProgmanRecorder progman(ProgmanRecorder::Answer::AcceptLikeTheShell);
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
    EXPECT_EQ("CamCast Pro", question.title);
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
  EXPECT_EQ("[DeleteGroup(CamCast Pro)]", progman.Commands().back());
  EXPECT_TRUE(WaitFor(RemovalCopyEnded, kRemovalCopyBoundMs) && !FolderExists(kBase))
      << "the folders the installation made go once empty";
}

TEST_F(UninstallTest, NothingToRemoveEndsWithTwo) {
  const std::string lone = m_home + "\\lone";
  RemoveTree(lone);
  CreateDirectoryA(lone.c_str(), nullptr);
  CopyFileA((m_dist + "\\uninst.exe").c_str(), (lone + "\\uninst.exe").c_str(), FALSE);

  EXPECT_EQ(2u, Uninstall(lone).exitCode);

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
  const WindowsVersionFor windows98("win98", {"setup.exe", "uninst.exe"});
  Snapshot before;
  AddKeys(HKEY_LOCAL_MACHINE, kInstalledProgramsKey, before);

  ProgmanRecorder progman(ProgmanRecorder::Answer::AcceptLikeTheShell);
  ASSERT_EQ(0u, InstallUnattended(nullptr, "Yes"));
  EXPECT_EQ(Dword(2144), TcpRegistry::Snapshot().at(kMstcp).at("DefaultRcvWindow"));
  EXPECT_EQ(Text("576"), TcpRegistry::Snapshot().at(AdapterKey(0)).at("MaxMTU"));
  EXPECT_EQ(1u, EntriesListing(HKEY_LOCAL_MACHINE, kWork).size());
  EXPECT_TRUE(EntriesListing(HKEY_CURRENT_USER, kWork).empty());

  EXPECT_EQ(0u, Uninstall().exitCode);
  EXPECT_EQ(untuned, TcpRegistry::Snapshot());
  Snapshot after;
  AddKeys(HKEY_LOCAL_MACHINE, kInstalledProgramsKey, after);
  EXPECT_EQ(before, after);
  EXPECT_TRUE(RemovalCopyDone());
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

  EXPECT_EQ(0u, Uninstall().exitCode);
  ExpectMachineAsBeforeBut(before, KeptAfterRemoval());
}

// Runs a copy of Wine's notepad as the installed product program, so that
// the program's file is held as a running program holds it.
class RunningProduct {
 public:
  explicit RunningProduct(const std::string& program) {
    CopyFileA("C:\\windows\\system32\\notepad.exe", program.c_str(), FALSE);
    m_process = std::make_unique<ui::Process>("\"" + program + "\"", kWork);
    ui::Driver(m_process->Id()).WaitWindow("Untitled - Notepad", "Notepad", 15000);
  }
  DWORD Id() const { return m_process->Id(); }
  void End() { m_process.reset(); }

 private:
  std::unique_ptr<ui::Process> m_process;
};

TEST_F(UninstallTest, HeldFilesStayWithTheRecordTheUninstallerAndTheEntryUntilASecondRun) {
  const Snapshot before = PrefixState();
  ASSERT_EQ(0u, InstallUnattended());
  const std::string work = kWork;
  RunningProduct product(work + "\\kq.exe");
  HANDLE settings = CreateFileA((work + "\\kq.ini").c_str(), GENERIC_READ, 0, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, settings);
  const std::vector<std::string> entries = EntriesListing(HKEY_CURRENT_USER, kWork);
  const std::string named = OnDisk(kWork);

  const RunOutcome first = Uninstall();
  EXPECT_EQ(1u, first.exitCode);
  // Named before anything is removed, with what holds them, and again at
  // the end.
  EXPECT_TRUE(Contains(first.errors, "These files of Quelmar Ovistra are in use")) << first.errors;
  EXPECT_TRUE(Contains(first.errors, named + "\\kq.exe (in use by kq.exe (process " +
                                         std::to_string(product.Id()) + "))"))
      << first.errors;
  EXPECT_TRUE(Contains(first.errors, named + "\\kq.ini (in use by")) << first.errors;
  EXPECT_TRUE(Contains(first.errors, "These could not be removed:")) << first.errors;
  // What a second run needs stays; everything else is gone.
  EXPECT_EQ(
      (std::vector<std::string>{"install.rec", "kq.exe", "kq.ini", "standins.log", "uninst.exe"}),
      FilesIn(work));
  EXPECT_EQ(entries, EntriesListing(HKEY_CURRENT_USER, kWork));
  EXPECT_FALSE(FolderExists(StartMenuGroup("Quelmar Ovistra").c_str()));
  InstallRecord left;
  ASSERT_EQ(RecordState::Read, InstallRecord::Load(work + "\\install.rec", left));
  std::vector<std::string> files = left.Values(RecordKind::File);
  std::sort(files.begin(), files.end());
  EXPECT_EQ((std::vector<std::string>{"kq.exe", "kq.ini", "uninst.exe"}), files);
  EXPECT_TRUE(left.Values(RecordKind::Group).empty());
  EXPECT_EQ(1u, left.Values(RecordKind::UninstallEntry).size());

  product.End();
  CloseHandle(settings);
  const RunOutcome second = Uninstall();
  EXPECT_EQ(0u, second.exitCode) << second.errors;
  EXPECT_EQ("", second.errors);
  const std::vector<std::string> kept = {"C:\\QUELMAR REMOVAL\\", "C:\\Quelmar Removal\\DEEP\\",
                                         "C:\\Quelmar Removal\\DEEP\\KQ\\",
                                         "C:\\Quelmar Removal\\DEEP\\KQ\\standins.log 68"};
  ExpectMachineAsBeforeBut(before, kept);
}

TEST_F(UninstallTest, AskedWithAHeldFileTheUserClosesItAndRetriesOrStopsWithNothingRemoved) {
  ASSERT_EQ(0u, InstallUnattended());
  const std::string settings = std::string(kWork) + "\\kq.ini";
  const std::vector<std::string> installed = FilesIn(kWork);
  const std::string command = "\"" + std::string(kWork) + "\\uninst.exe\"";
  for (const int answer : {IDABORT, IDRETRY}) {
    HANDLE held = CreateFileA(settings.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    ui::Process uninstaller(command, kWork);
    const ui::Driver user(uninstaller.Id());
    user.Answer(user.WaitMessageBox(15000), IDYES);
    const ui::MessageBoxView box = user.WaitMessageBox(15000);
    EXPECT_TRUE(Contains(box.text,
                         "These files of Quelmar Ovistra are in use and cannot be "
                         "removed now:\n" +
                             OnDisk(kWork) + "\\kq.ini (in use by"))
        << box.text;
    EXPECT_TRUE(GetDlgItem(box.window, IDABORT) && GetDlgItem(box.window, IDRETRY) &&
                GetDlgItem(box.window, IDIGNORE));
    CloseHandle(held);
    user.Answer(box, answer);
    if (answer == IDABORT) {
      EXPECT_EQ(3u, uninstaller.WaitExit(30000));
      EXPECT_EQ(installed, FilesIn(kWork)) << "nothing removed";
    } else {
      EXPECT_EQ(0u, uninstaller.WaitExit(30000)) << "free now, all goes";
      EXPECT_TRUE(RemovalCopyDone());
    }
  }
}

TEST_F(UninstallTest, TwoInstallationsHaveEntriesOfTheirOwnAndShareTheGroupUntilTheLastGoes) {
  const Snapshot before = PrefixState();
  const std::string first = kWork, second = std::string(kBase) + "\\Second";
  ASSERT_EQ(0u, InstallUnattended(nullptr, "Keep", first));
  ASSERT_EQ(0u, InstallUnattended(nullptr, "Keep", second));
  const std::vector<std::string> firstEntry = EntriesListing(HKEY_CURRENT_USER, first);
  const std::vector<std::string> secondEntry = EntriesListing(HKEY_CURRENT_USER, second);
  ASSERT_EQ(1u, firstEntry.size());
  ASSERT_EQ(1u, secondEntry.size());
  EXPECT_NE(firstEntry, secondEntry);
  for (const std::string& entry : {firstEntry[0], secondEntry[0]})
    EXPECT_EQ("Quelmar Ovistra", EntryValue(HKEY_CURRENT_USER, entry, "DisplayName"));
  const std::string group = StartMenuGroup("Quelmar Ovistra");

  EXPECT_EQ(0u, Uninstall(first).exitCode);
  EXPECT_TRUE(RemovalCopyDone(first));
  EXPECT_EQ(secondEntry, EntriesListing(HKEY_CURRENT_USER, second));
  EXPECT_EQ((std::vector<std::string>{"Quelmar Ovistra.lnk", "Uninstall Quelmar Ovistra.lnk"}),
            FilesIn(group))
      << "the second installation's group stays";
  EXPECT_EQ(second + "\\kq.exe", ReadShortcut(group + "\\Quelmar Ovistra.lnk").target);
  EXPECT_TRUE(FilesIn(second).size() > 5u);

  EXPECT_EQ(0u, Uninstall(second).exitCode);
  const std::vector<std::string> kept = {
      "C:\\QUELMAR REMOVAL\\",           "C:\\Quelmar Removal\\DEEP\\",
      "C:\\Quelmar Removal\\DEEP\\KQ\\", "C:\\Quelmar Removal\\DEEP\\KQ\\standins.log 68",
      "C:\\Quelmar Removal\\SECOND\\",   "C:\\Quelmar Removal\\SECOND\\standins.log 68"};
  ExpectMachineAsBeforeBut(before, kept);
}

TEST_F(UninstallTest, ACopyInAnotherFolderRemovesNothingThereOrOfTheInstallation) {
  ASSERT_EQ(0u, InstallUnattended());
  const std::string other = "C:\\Quelmar Other";
  RemoveTree(other);
  CreateDirectoryA(other.c_str(), nullptr);
  for (const char* file : {"uninst.exe", "install.rec", "kq.ini", "setup.exe"})
    CopyFileA((std::string(kWork) + "\\" + file).c_str(), (other + "\\" + file).c_str(), FALSE);
  WriteWholeFile(other + "\\index.html", "the user's own page");
  const std::vector<std::string> otherFiles = FilesIn(other), installed = FilesIn(kWork);
  const std::vector<std::string> entries = EntriesListing(HKEY_CURRENT_USER, kWork);

  const RunOutcome quiet = Uninstall(other);
  EXPECT_EQ(2u, quiet.exitCode);
  EXPECT_TRUE(Contains(quiet.errors,
                       "Quelmar Ovistra is not installed in " + other + ": nothing was removed."))
      << quiet.errors;
  ui::Process asked("\"" + other + "\\uninst.exe\"", other);
  const ui::Driver user(asked.Id());
  const ui::MessageBoxView box = user.WaitMessageBox(15000);
  EXPECT_TRUE(Contains(box.text, "is not installed in")) << box.text;
  user.Answer(box, IDOK);
  EXPECT_EQ(2u, asked.WaitExit());

  EXPECT_EQ(otherFiles, FilesIn(other));
  EXPECT_EQ(installed, FilesIn(kWork));
  EXPECT_EQ(entries, EntriesListing(HKEY_CURRENT_USER, kWork));
  EXPECT_TRUE(FolderExists(StartMenuGroup("Quelmar Ovistra").c_str()));
  RemoveTree(other);
}

TEST_F(UninstallTest, ABlankOemNameInstallsAndRemovesUnderTheDefaultName) {
  // The user's own things in the Programs folder, which an empty group name
  // would make the group's folder.
  const std::string programs = StartMenuGroup("");
  WriteWholeFile(programs + "My App.lnk", "the user's shortcut");
  WriteWholeFile(programs + "Notes.txt", "the user's notes");
  for (const char* blank : {"", "   "}) {
    const Snapshot before = PrefixState();
    ASSERT_EQ(0u, InstallUnattended(blank)) << '"' << blank << '"';
    InstallRecord record;
    ASSERT_EQ(RecordState::Read, InstallRecord::Load(std::string(kWork) + "\\install.rec", record));
    const std::string group = StartMenuGroup("Quelmar Ovistra");
    EXPECT_EQ((std::vector<std::string>{group + "\\Quelmar Ovistra.lnk",
                                        group + "\\Uninstall Quelmar Ovistra.lnk"}),
              record.Values(RecordKind::Shortcut))
        << "the group was made under the default name";
    EXPECT_EQ((std::vector<std::string>{"Quelmar Ovistra.lnk", "Uninstall Quelmar Ovistra.lnk"}),
              FilesIn(StartMenuGroup("Quelmar Ovistra")));
    const std::vector<std::string> entries = EntriesListing(HKEY_CURRENT_USER, kWork);
    ASSERT_EQ(1u, entries.size());
    EXPECT_EQ("Quelmar Ovistra", EntryValue(HKEY_CURRENT_USER, entries[0], "DisplayName"));

    // Without the stand-ins' record the folders go with the rest.
    StandInStarts(kWork, 2);
    DeleteFileA((std::string(kWork) + "\\standins.log").c_str());
    ui::Process uninstaller("\"" + std::string(kWork) + "\\uninst.exe\"", kWork);
    const ui::Driver user(uninstaller.Id());
    const ui::MessageBoxView question = user.WaitMessageBox(15000);
    EXPECT_EQ("Remove Quelmar Ovistra and all of its components?", question.text);
    EXPECT_EQ("Quelmar Ovistra", question.title);
    user.Answer(question, IDYES);
    EXPECT_EQ(0u, uninstaller.WaitExit(30000));
    ExpectMachineAsBeforeBut(before, {});
  }
  EXPECT_EQ("the user's notes", ReadWholeFile(programs + "Notes.txt"));
  DeleteFileA((programs + "My App.lnk").c_str());
  DeleteFileA((programs + "Notes.txt").c_str());
}

TEST_F(UninstallTest, WhatIsAlreadyGoneCountsAsRemovedAndAKeyThatStaysIsLoggedAsKept) {
  // The entries' key is made by this installation, and holds another
  // program's value when the removal comes.
  const std::string installed = kInstalledProgramsKey;
  DeleteKeyTree(HKEY_CURRENT_USER, installed);
  const std::string log = std::string(kBase) + "\\setup.log";
  CreateDirectoryA(kBase, nullptr);
  ASSERT_EQ(0u, InstallUnattended(nullptr, "Keep", kWork, log));
  InstallRecord record;
  ASSERT_EQ(RecordState::Read, InstallRecord::Load(std::string(kWork) + "\\install.rec", record));
  const std::string recordedKey = "HKCU\\" + installed;
  const std::vector<std::string> keys = record.Values(RecordKind::RegistryKey);
  ASSERT_NE(keys.end(), std::find(keys.begin(), keys.end(), recordedKey))
      << "the installation recorded the key it made";
  HKEY key = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyA(HKEY_CURRENT_USER, installed.c_str(), &key));
  RegSetValueExA(key, "Other Program", 0, REG_SZ, reinterpret_cast<const BYTE*>("x"), 2);
  RegCloseKey(key);
  // The user deleted the group and a help page by hand.
  RemoveTree(StartMenuGroup("Quelmar Ovistra"));
  DeleteFileA((std::string(kWork) + "\\help.html").c_str());

  const RunOutcome removal = Uninstall();
  EXPECT_EQ(0u, removal.exitCode) << removal.errors;
  EXPECT_TRUE(RemovalCopyDone());
  const std::string text = ReadWholeFile(log);
  EXPECT_TRUE(Contains(
      text, StartMenuGroup("Quelmar Ovistra") + "\\Quelmar Ovistra.lnk was already gone\r\n"))
      << text;
  EXPECT_TRUE(Contains(text, OnDisk(kWork) + "\\help.html was already gone\r\n")) << text;
  EXPECT_TRUE(Contains(
      text, "kept registry key " + recordedKey + ": it holds values or keys of other programs\r\n"))
      << text;
  EXPECT_FALSE(Contains(text, "removed registry key " + recordedKey + "\r\n")) << text;
  EXPECT_TRUE(Contains(text, "exit code 0")) << text;
  Snapshot left;
  AddKeys(HKEY_CURRENT_USER, installed, left);
  EXPECT_EQ((Snapshot{installed + "\\", installed + "\\Other Program=1:" + std::string("x", 2)}),
            left);
  DeleteKeyTree(HKEY_CURRENT_USER, installed);
}

TEST_F(UninstallTest, TheUsersItemsInTheGroupStayWithTheirGroup) {
  ASSERT_EQ(0u, InstallUnattended());
  const std::string group = StartMenuGroup("Quelmar Ovistra");
  WriteWholeFile(group + "\\My Notes.txt", "the user's notes");

  EXPECT_EQ(0u, Uninstall().exitCode);
  EXPECT_EQ(std::vector<std::string>{"My Notes.txt"}, FilesIn(group));
  EXPECT_EQ("the user's notes", ReadWholeFile(group + "\\My Notes.txt"));
  EXPECT_TRUE(RemovalCopyDone());
  RemoveTree(group);
}

}  // namespace
