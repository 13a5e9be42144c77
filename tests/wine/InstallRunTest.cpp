// setup.exe installing a sample distribution from start to end, the wizard
// walked as a user walks it; then the working folder, kq.ini, the speech
// installers and the Start menu group as Wine's shell made it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "install/PackageWriter.h"
#include "platform/Win32.h"
#include "tests/driver/Process.h"
#include "tests/driver/UiDriver.h"
#include "tests/support/InstallChecks.h"

namespace {

using ui::Driver;
using ui::WizardButton;

const std::string kSourceRoot = [] {
  std::string file = ui::WindowsPath(__FILE__);
  for (int up = 0; up < 3; ++up) file = file.substr(0, file.find_last_of("\\/"));
  return file;
}();

std::string BuildFile(const std::string& relative) {
  const std::string setup = ui::WindowsPath(SETUP_EXE_PATH);
  return setup.substr(0, setup.find_last_of('\\')) + "\\" + relative;
}

// The sample distribution: setup.exe, uninst.exe, kq and ch pieces cut from
// the sample product files and stand-ins, two pictures.
std::string MakeDistribution(const std::string& dist) {
  RemoveTree(dist);
  CreateDirectoryA(dist.c_str(), nullptr);
  const std::string source = dist + "-source";
  RemoveTree(source);
  CreateDirectoryA(source.c_str(), nullptr);
  const std::vector<std::string> kq = {"kq.exe"};
  const std::vector<std::string> ch = {"index.html", "help.html", "spchapi.exe", "msttsm22l.exe"};
  for (const char* file : {"kq.exe", "spchapi.exe", "msttsm22l.exe"})
    CopyFileA(BuildFile(std::string("tools\\standins\\") + file).c_str(),
              (source + "\\" + file).c_str(), FALSE);
  for (const char* file : {"index.html", "help.html"})
    CopyFileA((kSourceRoot + "\\samples\\ch\\" + file).c_str(), (source + "\\" + file).c_str(),
              FALSE);
  EXPECT_TRUE(PackPackage("kq", 1, kq, *FolderFileOps(source), *FolderFileOps(dist)).ok);
  EXPECT_TRUE(PackPackage("ch", 160, ch, *FolderFileOps(source), *FolderFileOps(dist)).ok);
  RemoveTree(source);
  CopyFileA(ui::WindowsPath(SETUP_EXE_PATH).c_str(), (dist + "\\setup.exe").c_str(), FALSE);
  CopyFileA(BuildFile("tools\\standins\\uninst.exe").c_str(), (dist + "\\uninst.exe").c_str(),
            FALSE);
  const std::string photo = kSourceRoot + "\\tests\\pictures\\photo-168x224.jpg";
  for (const char* picture : {"KQSetup2.jpg", "KQAboutLogo.jpg"})
    CopyFileA(photo.c_str(), (dist + "\\" + picture).c_str(), FALSE);
  return dist;
}

// Answers every message box that comes within a short while with `button`.
void AnswerMessages(const Driver& user, int button) {
  for (;;) {
    try {
      user.Answer(user.WaitMessageBox(1000), button);
    } catch (const ui::Failure&) {
      return;
    }
  }
}

HWND Page(const Driver& user, HWND sheet, const std::string& title) {
  HWND page = user.WaitPage(sheet, title);
  Driver::Sync(page);
  return page;
}

std::string StartMenuGroup(const std::string& group) {
  const char* appData = std::getenv("APPDATA");
  return std::string(appData ? appData : "") + "\\Microsoft\\Windows\\Start Menu\\Programs\\" +
         group;
}

TEST(InstallRun, WizardThenInstallationIntoANewFolderOnAnotherDrive) {
  char home[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, home);
  const std::string dist = MakeDistribution(std::string(home) + "\\dist");
  const std::string work = "c:\\Quelmar Run\\Deep Level\\Ovistra";
  RemoveTree("C:\\QUELMAR RUN");
  RemoveTree(StartMenuGroup("Quelmar Ovistra"));

  ui::Process setup("\"" + dist + "\\setup.exe\"", dist);
  const Driver user(setup.Id());
  HWND sheet = user.WaitWindow("LICENSE AGREEMENT", "#32770", 15000);
  user.WaitUntil(
      [&] {
        return Driver::Text(Driver::WizardButtonWindow(sheet, WizardButton::Next)) == "I &Accept >";
      },
      "the agreement's buttons");
  user.Press(sheet, WizardButton::Next);

  HWND page = Page(user, sheet, "Step2--User Password");
  for (HWND field : Driver::ControlsOfClass(page, "Edit")) SetWindowTextA(field, "OVISTRA");
  user.Press(sheet, WizardButton::Next);
  AnswerMessages(user, IDOK);

  Page(user, sheet, "Step3--Internet connection");
  user.Press(sheet, WizardButton::Next);
  AnswerMessages(user, IDOK);

  page = Page(user, sheet, "Step4--Camera settings");
  // Wine has no capture device: the test is answered, then the warning.
  user.ClickText(page, "Test connection");
  AnswerMessages(user, IDOK);
  user.Press(sheet, WizardButton::Next);
  AnswerMessages(user, IDYES);

  page = Page(user, sheet, "Step 5--Working folder");
  SetWindowTextA(Driver::ControlsOfClass(page, "Edit").at(0), work.c_str());
  user.Press(sheet, WizardButton::Next);

  Page(user, sheet, "Bonus Package");
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
  const std::vector<std::string> files = {
      "KQAboutLogo.jpg", "KQSetup2.jpg", "help.html",   "index.html",   "kq.exe",    "kq.ini",
      "msttsm22l.exe",   "setup.exe",    "spchapi.exe", "standins.log", "uninst.exe"};
  EXPECT_EQ(files, FilesIn(work)) << "no piece and no temp.cab are left";
  EXPECT_EQ(ReadWholeFile(kSourceRoot + "\\samples\\ch\\index.html"),
            ReadWholeFile(work + "\\index.html"));

  std::vector<std::string> keys;
  std::vector<std::string> settings = SettingsLines(work + "\\kq.ini");
  for (const std::string& line : settings) keys.push_back(line.substr(0, line.find('=')));
  EXPECT_EQ((std::vector<std::string>{"Internet/Ras", "Internet/NonStandard", "Internet/UseLAN",
                                      "Internet/Proxy", "Internet/RasPhone", "Internet/RasUserId",
                                      "Internet/RasPassword", "Camera/Numb", "Kq/Password"}),
            keys);
  ASSERT_EQ(9u, settings.size());
  EXPECT_EQ("Kq/Password=scrambled:OVISTRA", settings[8]);
  for (int scrambled : {3, 4, 5, 6})
    EXPECT_EQ(0u, settings[scrambled].find(keys[scrambled] + "=scrambled:")) << settings[scrambled];

  const std::string group = StartMenuGroup("Quelmar Ovistra");
  const std::vector<std::string> items = FilesIn(group);
  // The shell drops the blank that leads the uninstaller's title.
  EXPECT_EQ((std::vector<std::string>{"Quelmar Ovistra.lnk", "Uninstall Quelmar Ovistra.lnk"}),
            items)
      << group;
  // Wine's shell opens a browser on the new group; it would outlive the test.
  if (HWND browser = FindWindowA(nullptr, "Quelmar Ovistra")) PostMessageA(browser, WM_CLOSE, 0, 0);
}

}  // namespace
