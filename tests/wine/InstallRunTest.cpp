// setup.exe installing a sample distribution from start to end, the wizard
// walked as a user walks it, under each Windows version Wine can report;
// then the working folder, kq.ini, the speech installers and the Start menu
// group, made by Wine's shell or, where Program Manager refuses, without it.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/Folders.h"
#include "platform/Win32.h"
#include "resources/dlg130-password.h"
#include "resources/dlg131-internet.h"
#include "resources/dlg134-work-folder.h"
#include "resources/dlg151-bonus.h"
#include "resources/resource.h"
#include "tests/driver/Process.h"
#include "tests/driver/UiDriver.h"
#include "tests/support/FolderSnapshot.h"
#include "tests/pictures/OnScreen.h"
#include "tests/support/InstallChecks.h"
#include "tests/support/InstalledPrograms.h"
#include "tests/support/ProgmanRecorder.h"
#include "tests/support/SampleDistribution.h"
#include "tests/support/Spellings.h"
#include "tests/support/StartMenu.h"
#include "tests/support/TcpRegistry.h"
#include "tests/support/WindowsVersion.h"
#include "tests/support/WizardWalk.h"

namespace {

using ui::Driver;
using ui::WizardButton;

// Waits until the page's picture shows `expected` on the screen.
void ExpectPicture(const Driver& user, HWND page, int control, const pictures::Image& expected) {
  ASSERT_FALSE(expected.samples.empty());
  HWND picture = Driver::Control(page, control);
  user.WaitUntil([&] { return pictures::ScreenPixels(picture).samples == expected.samples; },
                 "the page's picture");
}

// The pictures of the pages on the way: the distribution's KQSetup2.jpg
// and the built-in ones as drawn.
void ExpectPagePicture(const Driver& user, HWND page) {
  const std::string title = Driver::Text(page);
  if (title == "Step2--User Password")
    ExpectPicture(user, page, IDC_PASSWORD_PICTURE, pictures::ReadPnm("photo-168x224.ppm"));
  else if (title == "Step3--Internet connection")
    ExpectPicture(user, page, IDC_INTERNET_PICTURE, pictures::DrawnPicture(IDB_INTERNET));
  else if (title == "Step 5--Working folder")
    ExpectPicture(user, page, IDC_WORK_FOLDER_PICTURE, pictures::DrawnPicture(IDB_WORK_FOLDER));
}

// Starts at the licence and walks the wizard to the working folder page
// with the password "OVISTRA", each page's picture checked. Returns the
// sheet.
HWND WalkToWorkFolderPage(const Driver& user) {
  HWND sheet = user.WaitWindow("LICENSE AGREEMENT", "#32770", 15000);
  WalkToWorkFolder(user, sheet, "OVISTRA", nullptr,
                   [&user](HWND page) { ExpectPagePicture(user, page); });
  return sheet;
}

// What a complete installation of the sample distribution leaves.
const std::vector<std::string> kInstalledFiles = {
    "KQAboutLogo.jpg", "KQSetup2.jpg",  "help.html", "index.html",  "install.rec",  "kq.exe",
    "kq.ini",          "msttsm22l.exe", "setup.exe", "spchapi.exe", "standins.log", "uninst.exe"};

// Cancel, answered with "&Exit".
void CancelAndExit(const Driver& user, HWND sheet) {
  user.Press(sheet, WizardButton::Cancel);
  user.Click(user.WaitWindow("Setup"), IDCANCEL);
}

HWND FolderField(HWND sheet) {
  return Driver::ControlsOfClass(Driver::ActivePage(sheet), "Edit").at(0);
}

void LeaveWorkFolderPage(const Driver& user, HWND sheet, const std::string& work) {
  SetWindowTextA(FolderField(sheet), work.c_str());
  user.Press(sheet, WizardButton::Next);
}

enum class Shell { ProgramManager, RefusingProgramManager };
// This build's programs, or the release's.
enum class Build { Test, Release };

struct WindowsCase {
  const char* version;  // as Wine names it
  bool tunes;           // the 9x family: the optimisation page changes the registry
  Shell shell;
  Build build = Build::Test;
};

std::string CaseName(const testing::TestParamInfo<WindowsCase>& info) {
  return std::string(info.param.version) +
         (info.param.shell == Shell::RefusingProgramManager ? "_refusing_progman" : "") +
         (info.param.build == Build::Release ? "_release" : "");
}

class EveryWindows : public testing::TestWithParam<WindowsCase> {};

// On the optimisation page: Optimize, then No optimization. The 9x family
// tunes and puts everything back; the NT family refuses the click.
void OptimizeAndBack(const Driver& user, HWND page, bool tunes) {
  const auto before = TcpRegistry::Snapshot();
  EXPECT_TRUE(Driver::IsChecked(page, IDC_NO_OPTIMIZE));
  user.Click(page, IDC_OPTIMIZE);
  if (tunes) {
    user.WaitUntil([&] { return Driver::IsChecked(page, IDC_OPTIMIZE); }, "Optimize ticked");
    const auto tuned = TcpRegistry::Snapshot();
    EXPECT_EQ((std::map<std::string, Value>{{"DefaultRcvWindow", Dword(2144)},
                                            {"DefaultTTL", Text("128")},
                                            {"PMTUBlackHoleDetect", Dword(0)},
                                            {"PMTUDiscovery", Dword(1)}}),
              tuned.at(kMstcp));
    for (int n : {0, 1}) EXPECT_EQ(Text("576"), tuned.at(AdapterKey(n)).at("MaxMTU")) << n;
  } else {
    const ui::MessageBoxView refusal = user.WaitMessageBox();
    EXPECT_EQ("Can't optimize NT registry settings", refusal.text);
    user.Answer(refusal, IDOK);
    EXPECT_EQ(before, TcpRegistry::Snapshot());
  }
  EXPECT_EQ(tunes, Driver::IsChecked(page, IDC_OPTIMIZE));
  EXPECT_EQ(!tunes, Driver::IsChecked(page, IDC_NO_OPTIMIZE));

  // Where nothing was tuned, No optimization has nothing to undo: no refusal.
  user.Click(page, IDC_NO_OPTIMIZE);
  user.WaitUntil([&] { return Driver::IsChecked(page, IDC_NO_OPTIMIZE); }, "No optimization");
  EXPECT_FALSE(Driver::IsChecked(page, IDC_OPTIMIZE));
  EXPECT_EQ(before, TcpRegistry::Snapshot());
}

// The whole installation under each Windows version: every one ends with
// the same working folder, kq.ini and Start menu group, whichever way the
// group was made.
TEST_P(EveryWindows, WizardThenInstallationIntoANewFolderOnAnotherDrive) {
  const WindowsCase& windows = GetParam();
  const std::string dist =
      MakeDistribution(GetCurrentFolder() + "\\dist",
                       windows.build == Build::Release ? ReleasePrograms() : TestPrograms());
  const std::string work = "c:\\Quelmar Run\\Deep Level\\Ovistra";
  RemoveTree("C:\\QUELMAR RUN");
  RemoveTree(StartMenuGroup("Quelmar Ovistra"));
  // The earlier tests' installations would keep the group they share.
  DeleteEntriesOf("Quelmar Ovistra");
  TcpRegistry registry;
  if (!registry.Usable()) GTEST_SKIP() << "the prefix has adapter keys of its own";
  registry.Mstcp("DefaultRcvWindow", Dword(8760));
  registry.Mstcp("DefaultTTL", Text("32"));
  registry.AddAdapter(0, "1500");
  registry.AddAdapter(1);
  const WindowsVersionFor version(windows.version, {"setup.exe"});
  std::unique_ptr<ProgmanRecorder> refusing;
  if (windows.shell == Shell::RefusingProgramManager)
    refusing = std::make_unique<ProgmanRecorder>(ProgmanRecorder::Answer::Refuse);

  ui::Process setup("\"" + dist + "\\setup.exe\"", dist);
  const Driver user(setup.Id());
  const HWND sheet = WalkToWorkFolderPage(user);
  LeaveWorkFolderPage(user, sheet, work);
  const HWND bonus = ShownPage(user, sheet, "Bonus Package");
  ExpectPicture(user, bonus, IDC_BONUS_PICTURE, pictures::DrawnPicture(IDB_BONUS));
  OptimizeAndBack(user, bonus, windows.tunes);
  user.Press(sheet, WizardButton::Finish);

  const HWND installing = user.WaitWindow("Installing", "#32770", 10000);
  const HWND bar = Driver::ControlsOfClass(installing, PROGRESS_CLASSA).at(0);
  user.WaitUntil([&] { return SendMessageA(bar, PBM_GETPOS, 0, 0) >= 12; }, "progress", 10000);
  ui::Screenshot("installing");
  EXPECT_EQ(0u, setup.WaitExit(120000));

  WIN32_FIND_DATAA found;
  for (const char* level :
       {"C:\\QUELMAR RUN", "C:\\QUELMAR RUN\\DEEP LEVEL", "C:\\QUELMAR RUN\\DEEP LEVEL\\OVISTRA"}) {
    HANDLE search = FindFirstFileA(level, &found);
    ASSERT_NE(INVALID_HANDLE_VALUE, search) << level;
    FindClose(search);
    EXPECT_EQ(std::string(level).substr(std::string(level).find_last_of('\\') + 1),
              found.cFileName);
  }
  EXPECT_EQ((std::vector<std::string>{"spchapi.exe /Q", "msttsm22l.exe /Q"}),
            StandInStarts(work, 2));
  // The tuning's backup made the settings file first, under the upper-case
  // path.
  std::vector<std::string> installed = kInstalledFiles;
  if (windows.tunes) {
    std::replace(installed.begin(), installed.end(), std::string("kq.ini"), std::string("KQ.INI"));
    std::sort(installed.begin(), installed.end());
  }
  EXPECT_EQ(installed, FilesIn(work)) << "no piece and no temp.cab are left";
  EXPECT_EQ(ReadWholeFile(SourceRoot() + "\\samples\\ch\\index.html"),
            ReadWholeFile(work + "\\index.html"));

  // The installation's keys; the tuning's backup stays before them where
  // the page tuned.
  std::vector<std::string> keys, settings;
  size_t backup = 0;
  for (const std::string& line : SettingsLines(work + "\\kq.ini")) {
    if (line.rfind("Internet/", 0) && line.rfind("Camera/", 0) && line.rfind("Kq/", 0)) {
      EXPECT_TRUE(settings.empty()) << line;
      ++backup;
      continue;
    }
    settings.push_back(line);
    keys.push_back(line.substr(0, line.find('=')));
  }
  EXPECT_EQ(windows.tunes, backup > 0);
  EXPECT_EQ((std::vector<std::string>{"Internet/Ras", "Internet/NonStandard", "Internet/UseLAN",
                                      "Internet/Proxy", "Internet/RasPhone", "Internet/RasUserId",
                                      "Internet/RasPassword", "Camera/Numb", "Kq/Password"}),
            keys);
  ASSERT_EQ(9u, settings.size());
  EXPECT_EQ("Kq/Password=scrambled:OVISTRA", settings[8]);
  for (int scrambled : {3, 4, 5, 6})
    EXPECT_EQ(0u, settings[scrambled].find(keys[scrambled] + "=scrambled:")) << settings[scrambled];

  // The shell drops the blank that leads the uninstaller's title; the
  // shortcuts made without Program Manager are named the same way.
  const std::string group = StartMenuGroup("Quelmar Ovistra");
  EXPECT_EQ((std::vector<std::string>{"Quelmar Ovistra.lnk", "Uninstall Quelmar Ovistra.lnk"}),
            FilesIn(group))
      << group;
  EXPECT_EQ(work + "\\kq.exe", ReadShortcut(group + "\\Quelmar Ovistra.lnk").target);
  EXPECT_EQ(work + "\\Uninst.exe", ReadShortcut(group + "\\Uninstall Quelmar Ovistra.lnk").target);
  if (refusing) {
    EXPECT_EQ(4u, refusing->Commands().size());
  }
  CloseGroupBrowser();
  if (windows.build == Build::Release) {
    // The release's uninstaller takes away what the installation put
    // there; the stand-ins' own record stays, and with it the folder.
    ui::Process uninstaller("\"" + work + "\\Uninst.exe\" unattended", work);
    EXPECT_EQ(0u, uninstaller.WaitExit(30000));
    user.WaitUntil([&] { return FilesIn(work) == std::vector<std::string>{"standins.log"}; },
                   "only the stand-ins' record left", 30000);
    EXPECT_EQ(std::vector<std::string>{}, FilesIn(group));
  }
  RemoveTree(group);
}

INSTANTIATE_TEST_SUITE_P(InstallRun, EveryWindows,
                         testing::Values(WindowsCase{"win98", true, Shell::ProgramManager},
                                         WindowsCase{"winxp", false, Shell::ProgramManager},
                                         WindowsCase{"win7", false, Shell::ProgramManager},
                                         WindowsCase{"win10", false, Shell::ProgramManager},
                                         WindowsCase{"win10", false, Shell::RefusingProgramManager},
                                         WindowsCase{"win10", false, Shell::ProgramManager,
                                                     Build::Release}),
                         CaseName);

// A file dialog opened and cancelled, then Enter, Escape and Alt+F4 held
// down while the run works: the installation is complete all the same.
TEST(InstallRun, BrowseCancelledAndKeysPressedStillInstallEverything) {
  const std::string home = GetCurrentFolder();
  const std::string dist = MakeDistribution(home + "\\dist-keys");
  const std::string work = home + "\\work-keys";
  RemoveTree(work);
  ui::Process setup("\"" + dist + "\\setup.exe\"", dist);
  const Driver user(setup.Id());
  const HWND sheet = WalkToWorkFolderPage(user);
  // The file dialog opens on a folder that is not the distribution's.
  SetWindowTextA(FolderField(sheet), home.c_str());
  user.ClickText(Driver::ActivePage(sheet), "&Browse");
  const HWND files = user.WaitWindow("Select Working folder");
  user.Click(files, IDCANCEL);
  user.WaitGone(files);
  LeaveWorkFolderPage(user, sheet, work);
  ShownPage(user, sheet, "Bonus Package");
  user.Press(sheet, WizardButton::Finish);

  const HWND installing = user.WaitWindow("Installing", "#32770", 10000);
  user.WaitUntil([&] { return GetForegroundWindow() == installing; }, "the dialog in front");
  for (int round = 0; round < 4 && IsWindow(installing); ++round) {
    for (WORD key : {VK_RETURN, VK_ESCAPE}) {
      ui::PressKey(key);
      Sleep(100);
    }
    ui::PressKey(VK_F4, VK_MENU);
    Sleep(100);
  }
  EXPECT_TRUE(IsWindow(installing)) << "the run is still at work after the keys";
  EXPECT_EQ(0u, setup.WaitExit(120000));
  EXPECT_EQ(kInstalledFiles, FilesIn(work));
  EXPECT_EQ((std::vector<std::string>{"spchapi.exe /Q", "msttsm22l.exe /Q"}),
            StandInStarts(work, 2));
  CloseGroupBrowser();
}

// Installing into the folder that holds the distribution is refused on the
// working folder page, and the distribution stays as it was.
TEST(InstallRun, TheDistributionsOwnFolderIsRefused) {
  const std::string dist = MakeDistribution(GetCurrentFolder() + "\\dist-own");
  const auto before = FolderContent(dist);
  const std::string spelling = Upper(dist);
  ui::Process setup("\"" + dist + "\\setup.exe\"", dist);
  const Driver user(setup.Id());
  const HWND sheet = WalkToWorkFolderPage(user);
  LeaveWorkFolderPage(user, sheet, spelling);
  const ui::MessageBoxView box = user.WaitMessageBox();
  ui::Screenshot("work-folder-refused");
  EXPECT_EQ("The setup files are in this folder. Please choose another working folder.", box.text);
  user.Answer(box, IDOK);
  EXPECT_EQ("Step 5--Working folder", Driver::ActivePageTitle(sheet));
  CancelAndExit(user, sheet);
  EXPECT_EQ(0u, setup.WaitExit());
  EXPECT_EQ(before, FolderContent(dist));
}

// Under Windows 98 as Wine reports it to the program: Optimize where the
// backup cannot be written changes nothing; with a working folder that
// takes it, values kept as text make the round trip exactly.
TEST(InstallRun, Windows98OptimizeNeedsItsBackupAndPutsTextValuesBack) {
  TcpRegistry registry;
  if (!registry.Usable()) GTEST_SKIP() << "the prefix has adapter keys of its own";
  registry.Mstcp("DefaultRcvWindow", Text("8760"));
  registry.Mstcp("DefaultTTL", Text("32"));
  registry.AddAdapter(0, "1500");
  const auto before = TcpRegistry::Snapshot();
  const WindowsVersionFor windows98("win98", {"setup.exe"});
  const std::string home = GetCurrentFolder();
  const std::string blocker = home + "\\not-a-folder";
  WriteWholeFile(blocker, "a file where the working folder would be");
  const std::string work = home + "\\work-98";
  RemoveTree(work);
  const std::string dist = MakeDistribution(home + "\\dist-98");

  ui::Process setup("\"" + dist + "\\setup.exe\"", dist);
  const Driver user(setup.Id());
  const HWND sheet = WalkToWorkFolderPage(user);
  LeaveWorkFolderPage(user, sheet, blocker + "\\kq");
  HWND page = ShownPage(user, sheet, "Bonus Package");
  EXPECT_TRUE(Driver::IsChecked(page, IDC_NO_OPTIMIZE));
  user.Click(page, IDC_OPTIMIZE);
  ui::MessageBoxView box = user.WaitMessageBox();
  ui::Screenshot("bonus-backup-refused");
  // The page names the settings file as it made its path: upper case.
  EXPECT_EQ("The current connection settings could not be saved in " +
                Upper(blocker + "\\kq\\kq.ini") + ". Nothing was changed.",
            box.text);
  user.Answer(box, IDOK);
  user.WaitUntil([&] { return Driver::IsChecked(page, IDC_NO_OPTIMIZE); }, "No optimization");
  EXPECT_FALSE(Driver::IsChecked(page, IDC_OPTIMIZE));
  EXPECT_EQ(before, TcpRegistry::Snapshot());

  user.Press(sheet, WizardButton::Back);
  ShownPage(user, sheet, "Step 5--Working folder");
  LeaveWorkFolderPage(user, sheet, work);
  page = ShownPage(user, sheet, "Bonus Package");
  user.Click(page, IDC_OPTIMIZE);
  user.WaitUntil([&] { return Driver::IsChecked(page, IDC_OPTIMIZE); }, "Optimize ticked");
  EXPECT_EQ(Dword(2144), TcpRegistry::Snapshot().at(kMstcp).at("DefaultRcvWindow"));
  user.Click(page, IDC_NO_OPTIMIZE);
  user.WaitUntil([&] { return Driver::IsChecked(page, IDC_NO_OPTIMIZE); }, "No optimization");
  EXPECT_EQ(before, TcpRegistry::Snapshot());
  user.Press(sheet, WizardButton::Finish);
  EXPECT_EQ(0u, setup.WaitExit(120000));
  DeleteFileA(blocker.c_str());
  // The page made the settings file first, with the upper-case path.
  std::vector<std::string> installed = kInstalledFiles;
  std::replace(installed.begin(), installed.end(), std::string("kq.ini"), std::string("KQ.INI"));
  std::sort(installed.begin(), installed.end());
  EXPECT_EQ(installed, FilesIn(work));
  const std::vector<std::string> settings = SettingsLines(work + "\\kq.ini");
  EXPECT_NE(settings.end(), std::find(settings.begin(), settings.end(),
                                      "RasSpeedTyped/DefaultRcvWindow=1:3837363000"));
  CloseGroupBrowser();
}

// Through the wizard into `work` with every other answer as it comes, and
// Finish.
void WalkToFinish(const Driver& user, const std::string& work) {
  const HWND sheet = WalkToWorkFolderPage(user);
  LeaveWorkFolderPage(user, sheet, work);
  ShownPage(user, sheet, "Bonus Package");
  user.Press(sheet, WizardButton::Finish);
}

// Another program holds kq.exe of an earlier installation open, so the join
// of "kq" fails in step 14. The run still completes its other steps, then one
// message names the package; the old program and the package's pieces stay.
TEST(InstallRun, JoinThatFailsIsReportedAfterTheLastStep) {
  const std::string home = GetCurrentFolder();
  const std::string dist = MakeDistribution(home + "\\dist-held");
  const std::string work = home + "\\work-held";
  RemoveTree(work);
  CreateDirectoryA(work.c_str(), nullptr);
  WriteWholeFile(work + "\\kq.exe", "old program");
  HANDLE held = CreateFileA((work + "\\kq.exe").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, held);

  ui::Process setup("\"" + dist + "\\setup.exe\"", dist);
  const Driver user(setup.Id());
  WalkToFinish(user, work);
  // The join retries the held file for 15 s before it gives up.
  const ui::MessageBoxView box = user.WaitMessageBox(90000);
  ui::Screenshot("failed-join");
  EXPECT_EQ(0u, box.text.find("The package \"kq\" could not be installed")) << box.text;
  EXPECT_NE(std::string::npos, box.text.find("run the setup again")) << box.text;
  const std::vector<std::string> done = FilesIn(work);
  for (const char* file :
       {"KQAboutLogo.jpg", "KQSetup2.jpg", "index.html", "kq.ini", "spchapi.exe"})
    EXPECT_NE(done.end(), std::find(done.begin(), done.end(), file))
        << file << " before the message";
  user.Answer(box, IDOK);
  EXPECT_EQ(0u, setup.WaitExit(20000));
  CloseHandle(held);

  EXPECT_EQ("old program", ReadWholeFile(work + "\\kq.exe"));
  // Every piece of "kq" stays for the next run; "ch" was joined.
  std::vector<std::string> pieces, kqPieces;
  for (const std::string& file : FilesIn(work))
    if (file.find(".cab") != std::string::npos) pieces.push_back(file);
  for (const std::string& file : FilesIn(dist))
    if (file.rfind("kq", 0) == 0 && file.find(".cab") != std::string::npos)
      kqPieces.push_back(file);
  EXPECT_EQ(kqPieces, pieces);
  CloseGroupBrowser();
  RemoveTree(work);
}

// A Program Manager that accepts every command yet makes no group the user
// could see: the run completes, then one message says that the group is
// missing and where the product is.
TEST(InstallRun, AGroupThatWasNotMadeIsReportedAfterTheLastStep) {
  const std::string home = GetCurrentFolder();
  const std::string dist = MakeDistribution(home + "\\dist-nogroup");
  const std::string work = home + "\\work-nogroup";
  RemoveTree(work);
  RemoveTree(StartMenuGroup("Quelmar Ovistra"));
  ProgmanRecorder progman(ProgmanRecorder::Answer::Accept);

  ui::Process setup("\"" + dist + "\\setup.exe\"", dist);
  const Driver user(setup.Id());
  WalkToFinish(user, work);
  const ui::MessageBoxView box = user.WaitMessageBox(60000);
  EXPECT_EQ(
      "The program group \"Quelmar Ovistra\" could not be made in the Start menu. Start "
      "the product with " +
          work + "\\kq.exe.",
      box.text);
  EXPECT_NE(std::string::npos, ReadWholeFile(work + "\\KQSetup2.jpg").find("JFIF"))
      << "every step ran before the message";
  user.Answer(box, IDOK);
  EXPECT_EQ(0u, setup.WaitExit(20000));
  EXPECT_EQ(4u, progman.Commands().size());
  RemoveTree(work);
}

}  // namespace
