// setup.exe unattended, black-box, with answer files as administrators and
// resellers write them, mistakes included: the answers of each connection
// mode reach kq.ini as the wizard writes them when the same text is typed
// into its pages; an answer that is bad, unknown or cannot be resolved
// installs nothing, ends with 2 and names the key; a folder that cannot be
// written ends with 1 at the step that found it; two runs into one folder
// take turns; no window is left behind; no password reaches a log.
#include <gtest/gtest.h>
#include <windows.h>
#include <ddeml.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/Folders.h"
#include "platform/FolderLock.h"
#include "tests/driver/UiDriver.h"
#include "tests/support/AnswersFile.h"
#include "tests/support/InstalledPrograms.h"
#include "tests/support/ProgmanRecorder.h"
#include "tests/support/SampleDistribution.h"
#include "tests/support/Secrets.h"
#include "tests/support/StartMenu.h"
#include "tests/support/WizardTyping.h"
#include "wizard/FolderRules.h"

namespace {

using ui::Driver;
using ui::WizardButton;

constexpr char kGroup[] = "Quelmar Ovistra";

const Answers kDialUp = {{"Licence", "Accept"},          {"Connection", "DialUp"},
                         {"RasUserId", "jdoe"},          {"RasPassword", "dialsecret"},
                         {"RasPhone", "555-0199"},       {"Password", "letmein"},
                         {"Proxy", "proxy.example:8080"}};

// What a complete installation of the sample distribution leaves.
const std::vector<std::string> kInstalledFiles = {
    "KQAboutLogo.jpg", "KQSetup2.jpg",  "help.html", "index.html",  "install.rec",  "kq.exe",
    "kq.ini",          "msttsm22l.exe", "setup.exe", "spchapi.exe", "standins.log", "uninst.exe"};

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

BOOL CALLBACK AddIfVisible(HWND window, LPARAM windows) {
  if (IsWindowVisible(window)) reinterpret_cast<std::set<HWND>*>(windows)->insert(window);
  return TRUE;
}

// The visible top-level windows of the desktop, of every process.
std::set<HWND> VisibleTopWindows() {
  std::set<HWND> windows;
  EnumWindows(AddIfVisible, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

// Whether the shell's Program Manager answers DDE, as it does on every
// Windows desktop. Wine starts it with the desktop, which the first window
// of a session brings up, so a windowless run alone may find none.
bool ShellProgramManagerAnswers() {
  GetDesktopWindow();
  DWORD instance = 0;
  if (DdeInitializeA(&instance, nullptr, APPCMD_CLIENTONLY, 0) != DMLERR_NO_ERROR) return false;
  HSZ service = DdeCreateStringHandleA(instance, "PROGMAN", CP_WINANSI);
  bool answered = false;
  try {
    Driver().WaitUntil(
        [&] {
          HCONV conversation = DdeConnect(instance, service, service, nullptr);
          if (conversation) DdeDisconnect(conversation);
          return conversation != nullptr;
        },
        "the shell's Program Manager", 10000);
    answered = true;
  } catch (const ui::Failure&) {
  }
  DdeFreeStringHandle(instance, service);
  DdeUninitialize(instance);
  return answered;
}

// What one run of setup.exe left to read.
struct RunResult {
  DWORD exitCode = 0;
  std::string log;
  std::string errors;
};

class UnattendedInstallTest : public testing::Test {
 protected:
  void SetUp() override {
    m_home = GetCurrentFolder();
    m_dist = MakeDistribution(m_home + "\\dist");
    m_base = m_home + "\\Unattended Work";
    m_work = m_base + "\\kq";
    m_log = m_home + "\\setup.log";
    CleanUp();
    // A run that asked Program Manager would be heard, as on any desktop.
    ASSERT_TRUE(ShellProgramManagerAnswers());
  }
  void TearDown() override { CleanUp(); }

  void CleanUp() {
    DeleteEntriesOf("Quelmar Ovistra");
    DeleteEntriesOf("CamCast Pro");
    RemoveTree(m_base);
    RemoveTree(StartMenuGroup(kGroup));
    DeleteFileA(m_log.c_str());
  }

  bool EntryExists() const { return !EntriesListing(HKEY_CURRENT_USER, m_work).empty(); }

  // Runs setup.exe with `word` in the distribution folder with `answers`
  // (and the working folder and log of the fixture unless they name their
  // own). Whatever happened, neither the log nor standard error gives a
  // password away.
  RunResult RunUnattended(Answers answers, const std::string& word = "unattended") {
    answers.emplace("Folder", m_work);
    answers.emplace("Log", m_log);
    const std::string file = m_dist + "\\answers.ini";
    DeleteFileA(file.c_str());
    DeleteFileA(answers["Log"].c_str());
    WriteAnswers(file, answers);
    const std::string errors = m_home + "\\errors" + std::to_string(++m_nRuns) + ".txt";
    RunResult run;
    {
      ui::Process setup("\"" + m_dist + "\\setup.exe\" " + word + " answers.ini", m_dist, errors);
      run.exitCode = setup.WaitExit(60000);
    }
    run.log = ReadWholeFile(answers["Log"]);
    run.errors = ReadWholeFile(errors);
    std::vector<std::string> secrets;
    // Password and RasPassword, and a password under a mistyped key.
    for (const auto& [key, value] : answers)
      if (Contains(key, "Pas") && Contains(key, "word")) secrets.push_back(value);
    EXPECT_EQ("", SecretShownIn(run.log, secrets)) << run.log;
    EXPECT_EQ("", SecretShownIn(run.errors, secrets)) << run.errors;
    return run;
  }

  std::string m_home, m_dist, m_base, m_work, m_log;
  int m_nRuns = 0;
};

// The settings an installation wrote, for the answers of kDialUp in
// `mode`: the flags of the mode's boxes, every text whatever the mode.
std::vector<std::string> SettingsFor(const char* ras, const char* aol, const char* lan) {
  return {std::string("Internet/Ras=") + ras,
          std::string("Internet/NonStandard=") + aol,
          std::string("Internet/UseLAN=") + lan,
          "Internet/Proxy=scrambled:proxy.example:8080",
          "Internet/RasPhone=scrambled:555-0199",
          "Internet/RasUserId=scrambled:jdoe",
          "Internet/RasPassword=scrambled:dialsecret",
          "Camera/Numb=Single camera",
          "Kq/Password=scrambled:LETMEIN"};
}

TEST_F(UnattendedInstallTest, EachConnectionModeInstallsWithAShortcutGroup) {
  const struct {
    const char* mode;
    std::vector<std::string> settings;
  } cases[] = {{"DialUp", SettingsFor("Yes", "No", "No")},
               {"AOL", SettingsFor("No", "Yes", "No")},
               {"LAN", SettingsFor("No", "No", "Yes")},
               {"Proxy", SettingsFor("No", "No", "No")}};
  for (const auto& c : cases) {
    RemoveTree(m_base);
    ProgmanRecorder progman;
    const RunResult run = RunUnattended(With(kDialUp, "Connection", c.mode));
    EXPECT_EQ(0u, run.exitCode) << c.mode << "\n" << run.log;
    EXPECT_EQ("", run.errors) << c.mode;
    EXPECT_EQ(c.settings, SettingsLines(m_work + "\\kq.ini")) << c.mode;
    // Started, never waited for: they may still be writing their record.
    EXPECT_EQ((std::vector<std::string>{"spchapi.exe /Q", "msttsm22l.exe /Q"}),
              StandInStarts(m_work, 2));
    EXPECT_EQ(kInstalledFiles, FilesIn(m_work)) << c.mode << ": no piece and no temp.cab";
    EXPECT_EQ(ReadWholeFile(m_dist + "\\uninst.exe"), ReadWholeFile(m_work + "\\uninst.exe"));
    // The group is shortcut files; Program Manager is not even asked.
    EXPECT_TRUE(progman.Commands().empty()) << c.mode;
    const std::string group = StartMenuGroup(kGroup);
    EXPECT_EQ((std::vector<std::string>{"Quelmar Ovistra.lnk", "Uninstall Quelmar Ovistra.lnk"}),
              FilesIn(group));
    EXPECT_EQ((Shortcut{m_work + "\\kq.exe", m_work}),
              ReadShortcut(group + "\\Quelmar Ovistra.lnk"));
    EXPECT_TRUE(EntryExists()) << c.mode;
    EXPECT_TRUE(Contains(run.log, "step 14: package kq joined, version 1")) << run.log;
    EXPECT_TRUE(Contains(run.log, "exit code 0")) << run.log;
  }
  // Recorded as the shortcut group where Program Manager fails, so the
  // uninstaller takes it away.
  ui::Process uninstall("\"" + m_work + "\\uninst.exe\" unattended", m_work);
  EXPECT_EQ(0u, uninstall.WaitExit(60000));
  // The uninstaller's copy takes its own file away once it has ended.
  Driver().WaitUntil(
      [&] {
        return !FolderExists(StartMenuGroup(kGroup).c_str()) &&
               FilesIn(m_work) == std::vector<std::string>{"standins.log"};
      },
      "the group's folder and every installed file removed");
}

TEST_F(UnattendedInstallTest, NoWindowIsLeftAfterTheRun) {
  // Wine's own shell this time: its Program Manager opens a window on every
  // group it creates, some tenths of a second after it was asked.
  const std::set<HWND> before = VisibleTopWindows();
  const RunResult run = RunUnattended(kDialUp);
  ASSERT_EQ(0u, run.exitCode) << run.log;
  // Watched for a while after the end, since the shell acts on its own
  // time: no wait for a state can tell that nothing will come.
  std::set<HWND> after;
  bool appeared = true;
  try {
    Driver().WaitUntil(
        [&] {
          after = VisibleTopWindows();
          return std::any_of(after.begin(), after.end(),
                             [&](HWND window) { return !before.count(window); });
        },
        "a window", 3000);
  } catch (const ui::Failure&) {
    appeared = false;
  }
  for (HWND window : after) {
    if (before.count(window)) continue;
    ADD_FAILURE() << "a window \"" << Driver::Text(window) << "\" appeared after the run";
    PostMessageA(window, WM_CLOSE, 0, 0);
  }
  EXPECT_FALSE(appeared);
}

TEST_F(UnattendedInstallTest, AnswerFilesAsTheyAreWritten) {
  const std::string longFolder = "c:\\" + std::string(kMaxFolderLength - 2, 'f');
  const std::string logFolder = m_home + "\\a log folder";
  const std::string longLog = m_home + "\\" + std::string(276 - m_home.size(), 'l');
  CreateDirectoryA(logFolder.c_str(), nullptr);
  const std::string numbEntries =
      "Single camera; 1 Camera  (Vexo16); 2 Cameras (Vexo16); 3 Cameras (Vexo16); "
      "4 Cameras (Vexo16); 1 Cameras (Vexo32); 2 Cameras (Vexo32); 3 Cameras Vexo32); "
      "4 Cameras (Vexo32); 5 Cameras (Vexo32); 6 Cameras (Vexo32); 7 Cameras (Vexo32); "
      "8 Cameras (Vexo32)";
  // Folders that a wrong resolution of an answer would install into.
  const std::vector<std::string> strayFolders = {"c:\\kq", "c:\\ovistra", "c:\\inst",
                                                 m_dist + "\\inst"};
  for (const std::string& stray : strayFolders) RemoveTree(stray);
  DeleteFileA(longLog.substr(0, 259).c_str());
  const struct {
    Answers answers;
    DWORD exitCode;
    // Refused: the line on standard error, and in the log where it can
    // be written. Installed: a line of the log.
    std::string line;
    // Installed: where, and the camera count kq.ini holds.
    std::string folder;
    std::string numb;
  } cases[] = {
      {With(kDialUp, "Licence", nullptr), 2,
       "answer Licence refused: The licence agreement must be accepted: Licence=Accept", "", ""},
      {With(kDialUp, "Connection", "Modem"), 2,
       "answer Connection refused: Connection must be DialUp, AOL, LAN or Proxy", "", ""},
      {With(kDialUp, "RasPhone", nullptr), 2,
       "answer RasPhone refused: Missing Mandatory fields: User Name,Password, Phone Number", "",
       ""},
      {With(kDialUp, "Password", "SIXTEEN LETTERS!"), 2,
       "answer Password refused: Please enter no more than 15 characters.", "", ""},
      {With(kDialUp, "Folder", longFolder.c_str()), 2,
       "answer Folder refused: " + FolderTooLongMessage(), "", ""},
      {With(kDialUp, "Folder", m_dist.c_str()), 2,
       "answer Folder refused: The setup files are in this folder. Please choose another "
       "working folder.",
       "", ""},
      {With(kDialUp, "Folder", "inst\\a16"), 2,
       "answer Folder refused: inst\\a16 has no drive; give the whole path, such as c:\\kq", "",
       ""},
      {With(kDialUp, "Folder", "."), 2,
       "answer Folder refused: . has no drive; give the whole path, such as c:\\kq", "", ""},
      {With(kDialUp, "Folder", "\\\\server\\share\\x"), 2,
       "answer Folder refused: \\\\server\\share\\x is a network path; the working folder must "
       "be on a drive, such as c:\\kq",
       "", ""},
      {With(kDialUp, "Folder", "c:ovistra"), 2,
       "answer Folder refused: c:ovistra is relative to the current folder of drive c:; give the "
       "whole path, such as c:\\ovistra",
       "", ""},
      {With(With(kDialUp, "Folder", nullptr), "Folde", m_work.c_str()), 2,
       "answer Folde refused: [Unattended] has no key Folde; did you mean Folder?", "", ""},
      {With(With(kDialUp, "Password", nullptr), "Pasword", "letmein"), 2,
       "answer Pasword refused: [Unattended] has no key Pasword; did you mean Password?", "", ""},
      {With(kDialUp, "Numb", "Many cameras"), 2,
       "answer Numb refused: Numb must be one of the camera page's Number of devices entries: " +
           numbEntries,
       "", ""},
      {With(kDialUp, "Optimize", "Sometimes"), 2,
       "answer Optimize refused: Optimize must be Yes, No or Keep", "", ""},
      {With(kDialUp, "Log", (m_home + "\\no such folder\\setup.log").c_str()), 2,
       "answer Log refused: the log's folder " + m_home + "\\no such folder does not exist", "",
       ""},
      {With(kDialUp, "Log", logFolder.c_str()), 2,
       "answer Log refused: " + logFolder + " cannot be written: ", "", ""},
      {With(kDialUp, "Log", longLog.c_str()), 2,
       "answer Log refused: the log's path has 277 characters; a path may hold at most 259", "",
       ""},
      {With(kDialUp, "Folder", "c:/inst/x"), 0, "step 0: working folder c:\\inst\\x", "c:\\inst\\x",
       "Single camera"},
      {With(kDialUp, "Numb", "single camera"), 0, "exit code 0", m_work, "Single camera"},
      {With(kDialUp, "Numb", "1 camera (vexo16)"), 0, "exit code 0", m_work, "1 Camera  (Vexo16)"},
      {With(kDialUp, "Log", (m_work + "\\logs\\setup.log").c_str()), 0, "answers from", m_work,
       "Single camera"},

  };
  for (const auto& c : cases) {
    const std::string name = c.line.substr(0, 40);
    const RunResult run = RunUnattended(c.answers);
    EXPECT_EQ(c.exitCode, run.exitCode) << name << "\n" << run.log << run.errors;
    if (c.exitCode == 2) {
      EXPECT_TRUE(Contains(run.errors, "setup: " + c.line)) << name << "\n" << run.errors;
      if (Contains(c.line, "answer Log refused")) {
        EXPECT_EQ("", run.log) << name;
      } else {
        EXPECT_TRUE(Contains(run.log, c.line + "\r\nnothing installed\r\n")) << run.log;
      }
      EXPECT_FALSE(FolderExists(m_base.c_str())) << name;
      EXPECT_FALSE(EntryExists()) << name;
      for (const std::string& stray : strayFolders)
        EXPECT_FALSE(FolderExists(stray.c_str())) << name << ": " << stray;
      EXPECT_FALSE(RealFileOps().Exists(longLog.substr(0, 259))) << name << ": a cut log path";
    } else {
      EXPECT_TRUE(Contains(run.log, c.line)) << name << "\n" << run.log;
      EXPECT_EQ("Camera/Numb=" + c.numb, SettingsLines(c.folder + "\\kq.ini").at(7)) << name;
      EXPECT_EQ("", run.errors) << name;
      RemoveTree(c.folder == m_work ? m_base : "c:\\inst");
      DeleteEntriesOf("Quelmar Ovistra");
    }
  }
  // Without an answers file there is no licence answer either.
  ui::Process setup("\"" + m_dist + "\\setup.exe\" unattended missing.ini", m_dist);
  EXPECT_EQ(2u, setup.WaitExit(60000));
  RemoveTree(logFolder);
}

TEST_F(UnattendedInstallTest, TheCommandWordInAnyCaseAndAsASwitch) {
  for (const char* word : {"Unattended", "/unattended", "-UNATTENDED"}) {
    const RunResult run = RunUnattended(kDialUp, word);
    EXPECT_EQ(0u, run.exitCode) << word;
    EXPECT_EQ(2u, StandInStarts(m_work, 2).size()) << word;
    EXPECT_EQ(kInstalledFiles, FilesIn(m_work)) << word;
    RemoveTree(m_base);
  }
}

TEST_F(UnattendedInstallTest, AWorkingFolderThatCannotBeWrittenEndsTheRunAtTheFirstStep) {
  const std::string blocker = m_base + "\\blocker";
  const struct {
    std::string folder;
    bool settingsFolder;  // kq.ini is a folder in an existing working folder
    std::string line;
    int lastStep;
  } cases[] = {
      {blocker, false,
       "step 0: The working folder " + blocker + " could not be made: " + blocker + " is a file.",
       0},
      {blocker + "\\kq", false,
       "step 0: The working folder " + blocker + "\\kq could not be made: " + blocker +
           " is a file.",
       0},
      {m_work, true, "step 1: kq.ini could not be written in " + m_work + ": ", 1},
  };
  for (const auto& c : cases) {
    RemoveTree(m_base);
    CreateDirectoryA(m_base.c_str(), nullptr);
    WriteWholeFile(blocker, "a file where a folder would go");
    if (c.settingsFolder) {
      CreateDirectoryA(m_work.c_str(), nullptr);
      CreateDirectoryA((m_work + "\\kq.ini").c_str(), nullptr);
    }
    const std::vector<std::string> before = FilesIn(m_base);
    const RunResult run = RunUnattended(With(kDialUp, "Folder", c.folder.c_str()));
    EXPECT_EQ(1u, run.exitCode) << c.folder << "\n" << run.log;
    EXPECT_TRUE(Contains(run.log, c.line)) << run.log;
    EXPECT_TRUE(Contains(run.errors, "setup: " + c.line)) << run.errors;
    EXPECT_FALSE(Contains(run.log, " written\r\n")) << "no write that did not happen is logged\n"
                                                    << run.log;
    EXPECT_FALSE(Contains(run.log, "step " + std::to_string(c.lastStep + 1) + ":"))
        << "no step runs after the failure\n"
        << run.log;
    EXPECT_TRUE(Contains(run.log, "exit code 1")) << run.log;
    EXPECT_EQ(before, FilesIn(m_base)) << c.folder;
    EXPECT_FALSE(EntryExists()) << c.folder;
  }
}

TEST_F(UnattendedInstallTest, AFileThatCannotBeCopiedEndsWithOneAndTheLogNamesItsFolder) {
  // A folder where a file of the distribution must be copied: the copy
  // cannot be created, which the wizard asks about with Retry and Cancel.
  WriteWholeFile(m_dist + "\\extra.cab", "not a piece of either package");
  CreateDirectoryA(m_base.c_str(), nullptr);
  CreateDirectoryA(m_work.c_str(), nullptr);
  CreateDirectoryA((m_work + "\\extra.cab").c_str(), nullptr);
  ProgmanRecorder progman;
  const RunResult run = RunUnattended(kDialUp);
  EXPECT_EQ(1u, run.exitCode);
  const std::string line = "step 10: extra.cab could not be written to " + m_work + ": ";
  EXPECT_TRUE(Contains(run.log, line)) << run.log;
  EXPECT_TRUE(Contains(run.log, ": installation given up\r\n")) << run.log;
  EXPECT_TRUE(Contains(run.errors, "setup: " + line)) << run.errors;
  EXPECT_FALSE(Contains(run.log, "Reading file error")) << run.log;
  EXPECT_TRUE(Contains(run.log, "exit code 1")) << run.log;
  EXPECT_FALSE(Contains(run.log, "step 11:")) << "no step after the failed copy runs";
  EXPECT_FALSE(FolderExists(StartMenuGroup(kGroup).c_str()));
  EXPECT_FALSE(EntryExists());
  EXPECT_EQ(9u, SettingsLines(m_work + "\\kq.ini").size());
}

// Another program holds a piece: the log names it and why it failed.
TEST_F(UnattendedInstallTest, APieceHeldByAnotherProgramInstallsNothingAndEndsWithOne) {
  HANDLE lock = CreateFileA((m_dist + "\\kq1.cab").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, lock);
  const RunResult run = RunUnattended(kDialUp);
  CloseHandle(lock);
  EXPECT_EQ(1u, run.exitCode);
  const std::string held =
      "kq1.cab is there but cannot be read; another program may be holding it open";
  EXPECT_TRUE(Contains(run.log, held)) << run.log;
  EXPECT_TRUE(Contains(run.errors, held)) << run.errors;
  EXPECT_TRUE(Contains(run.log, "nothing installed")) << run.log;
  EXPECT_FALSE(FolderExists(m_base.c_str()));
}

// The package "kq" of the distribution packed again with a file of
// `bytes` more, in pieces of 10,000 bytes: a longer run.
void AddBigFileToKq(const std::string& dist, size_t bytes) {
  const std::string source = dist + "-big";
  RemoveTree(source);
  CreateDirectoryA(source.c_str(), nullptr);
  CopyFileA(BuildFile("tools\\standins\\kq.exe").c_str(), (source + "\\kq.exe").c_str(), FALSE);
  WriteWholeFile(source + "\\big.bin", std::string(bytes, 'b'));
  for (const std::string& file : FilesIn(dist))
    if (file.rfind("kq", 0) == 0 && file.size() > 4 && file.substr(file.size() - 4) == ".cab")
      DeleteFileA((dist + "\\" + file).c_str());
  EXPECT_TRUE(
      PackPackage("kq", 1, {"kq.exe", "big.bin"}, *FolderFileOps(source), *FolderFileOps(dist)).ok);
  RemoveTree(source);
}

TEST_F(UnattendedInstallTest, TwoRunsIntoOneFolderTakeTurnsAndTheRecordListsEverything) {
  // Two administrators' scripts with the same answers, each with its log,
  // started together; the runs are long enough to overlap.
  AddBigFileToKq(m_dist, 3000000);
  std::vector<std::string> installed = kInstalledFiles;
  installed.push_back("big.bin");
  std::sort(installed.begin(), installed.end());
  std::vector<std::unique_ptr<ui::Process>> runs;
  for (const char* name : {"first", "second"}) {
    const std::string file = m_dist + "\\" + name + ".ini";
    const std::string log = m_home + "\\" + name + ".log";
    DeleteFileA(log.c_str());
    WriteAnswers(file, With(With(kDialUp, "Folder", m_work.c_str()), "Log", log.c_str()));
  }
  for (const char* name : {"first", "second"})
    runs.push_back(std::make_unique<ui::Process>(
        "\"" + m_dist + "\\setup.exe\" unattended " + name + ".ini", m_dist));
  for (const auto& run : runs) EXPECT_EQ(0u, run->WaitExit(60000));
  for (const char* name : {"first", "second"}) {
    const std::string log = ReadWholeFile(m_home + "\\" + name + ".log");
    EXPECT_TRUE(Contains(log, "step 14: package kq joined")) << name << "\n" << log;
    EXPECT_TRUE(Contains(log, "step 14: package ch joined")) << name << "\n" << log;
    EXPECT_TRUE(Contains(log, "exit code 0")) << name << "\n" << log;
  }
  EXPECT_EQ(4u, StandInStarts(m_work, 4).size());
  EXPECT_EQ(installed, FilesIn(m_work));
  // Every file the runs put there is listed, whichever saved the record
  // last.
  std::vector<std::string> recorded;
  const std::string record = ReadWholeFile(m_work + "\\install.rec");
  for (size_t at = record.find("file "); at != std::string::npos;
       at = record.find("\r\nfile ", at + 1)) {
    const size_t name = record.find(' ', at) + 1;
    recorded.push_back(record.substr(name, record.find('\r', name) - name));
  }
  for (const std::string& file : installed) {
    // The record itself and what the stand-ins write are not the
    // installation's.
    if (file == "install.rec" || file == "standins.log") continue;
    EXPECT_NE(recorded.end(), std::find(recorded.begin(), recorded.end(), file)) << file;
  }

  ui::Process uninstall("\"" + m_work + "\\uninst.exe\" unattended", m_work);
  EXPECT_EQ(0u, uninstall.WaitExit(60000));
  Driver().WaitUntil([&] { return FilesIn(m_work) == std::vector<std::string>{"standins.log"}; },
                     "every installed file removed");
  for (const char* name : {"first", "second"}) DeleteFileA((m_home + "\\" + name + ".log").c_str());
}

TEST_F(UnattendedInstallTest, ARunWaitsForTheFolderBoundedlyThenChangesNothing) {
  ASSERT_EQ(0u, RunUnattended(kDialUp).exitCode);
  ASSERT_EQ(2u, StandInStarts(m_work, 2).size());
  const std::vector<std::string> installed = FilesIn(m_work);
  const std::string settings = ReadWholeFile(m_work + "\\kq.ini");
  DeleteFileA(m_log.c_str());
  // Another run holds the folder for longer than either waits.
  const FolderLock other(m_work, 0);
  ASSERT_TRUE(other.Held());
  ui::Process uninstall("\"" + m_work + "\\uninst.exe\" unattended", m_work);
  const RunResult run = RunUnattended(With(kDialUp, "Connection", "LAN"));
  EXPECT_EQ(1u, run.exitCode);
  EXPECT_EQ(1u, uninstall.WaitExit(60000));
  const std::string busy = "Another installation or removal is using " + m_work;
  EXPECT_TRUE(Contains(run.log, busy + "; it did not end within 15 seconds. Nothing was changed."))
      << run.log;
  EXPECT_TRUE(Contains(run.errors, "setup: step 0: " + busy)) << run.errors;
  EXPECT_EQ(installed, FilesIn(m_work));
  EXPECT_EQ(settings, ReadWholeFile(m_work + "\\kq.ini"));
  EXPECT_TRUE(FolderExists(StartMenuGroup(kGroup).c_str()));
  EXPECT_TRUE(EntryExists());
}

TEST_F(UnattendedInstallTest, AnswersInTheSetupConfigurationFileAndTheOemBranding) {
  const std::string ini = m_dist + "\\setup.ini";
  WritePrivateProfileStringA("Kq", "OEMProductName", "CamCast Pro", ini.c_str());
  WriteAnswers(ini, With(With(kDialUp, "Folder", m_work.c_str()), "Connection", "LAN"));
  ui::Process setup("\"" + m_dist + "\\setup.exe\" unattended", m_dist);
  EXPECT_EQ(0u, setup.WaitExit(60000));
  // The file keeps its sections in the order of their first write.
  std::vector<std::string> expected = SettingsFor("No", "No", "Yes");
  const std::string numb = expected[7];
  expected.erase(expected.begin() + 7);
  expected.insert(expected.begin() + 7, "Kq/OEMProductName=CamCast Pro");
  expected.push_back(numb);
  EXPECT_EQ(expected, SettingsLines(m_work + "\\kq.ini"));
  EXPECT_EQ((std::vector<std::string>{"CamCast Pro.lnk", "Uninstall CamCast Pro.lnk"}),
            FilesIn(StartMenuGroup("CamCast Pro")));
  StandInStarts(m_work, 2);
  RemoveTree(StartMenuGroup("CamCast Pro"));
}

TEST_F(UnattendedInstallTest, AGroupThatWasNotMadeEndsWithOneAndTheLogSaysSo) {
  // A file where the group's folder would go.
  WriteWholeFile(StartMenuGroup(kGroup), "not a folder");
  const RunResult run = RunUnattended(kDialUp);
  DeleteFileA(StartMenuGroup(kGroup).c_str());
  EXPECT_EQ(1u, run.exitCode);
  EXPECT_TRUE(Contains(run.log, "step 15: no program group could be made\r\n")) << run.log;
  EXPECT_TRUE(Contains(run.log, "step 30: The program group \"Quelmar Ovistra\" could not be made"))
      << run.log;
  EXPECT_TRUE(Contains(run.log, "exit code 1")) << run.log;
  EXPECT_TRUE(EntryExists()) << "every other step ran";
  StandInStarts(m_work, 2);
}

TEST_F(UnattendedInstallTest, SettingsEqualThoseOfTheWizardTypedTheSameAnswers) {
  ProgmanRecorder progman(ProgmanRecorder::Answer::AcceptLikeTheShell);
  const RunResult run = RunUnattended(kDialUp);
  ASSERT_EQ(0u, run.exitCode) << run.log;
  const std::vector<std::string> unattended = SettingsLines(m_work + "\\kq.ini");
  RemoveTree(m_base);
  DeleteEntriesOf("Quelmar Ovistra");

  ui::Process setup("\"" + m_dist + "\\setup.exe\"", m_dist);
  const Driver user(setup.Id());
  WalkTheWizardTyping(user, m_work);
  EXPECT_EQ(0u, setup.WaitExit(120000));
  EXPECT_EQ(SettingsLines(m_work + "\\kq.ini"), unattended);
}

TEST_F(UnattendedInstallTest, OptimizeOnTheNtFamilyIsRefusedInTheLogAndTheInstallationGoesOn) {
  const RunResult run = RunUnattended(With(kDialUp, "Optimize", "Yes"));
  EXPECT_EQ(0u, run.exitCode);
  EXPECT_TRUE(Contains(run.log, "answer Optimize: Can't optimize NT registry settings\r\n"))
      << run.log;
  EXPECT_EQ(SettingsFor("Yes", "No", "No"), SettingsLines(m_work + "\\kq.ini"))
      << "no backup of values that were not changed";
}

}  // namespace
