// The installation dialog run for real on a distribution folder of the
// test's own: what lands in the working folder, the settings file, the
// program group commands, the speech installers, the placement and the
// progress bar, and the Retry/Cancel question on a piece that cannot be read.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/SetupApp.h"
#include "install/InstallDlg.h"
#include "install/InstallRecord.h"
#include "package/PackageWriter.h"
#include "platform/Folders.h"
#include "platform/Win32.h"
#include "platform/WinApp.h"
#include "tests/driver/InProcess.h"
#include "tests/driver/Process.h"
#include "tests/support/DefaultBranding.h"
#include "tests/support/FolderSnapshot.h"
#include "tests/support/InstallChecks.h"
#include "tests/support/InstalledPrograms.h"
#include "tests/support/ProgmanRecorder.h"
#include "tests/support/Spellings.h"
#include "wizard/Prop.h"

namespace {

using Files = std::map<std::string, std::string>;

const char kPage[] =
    "<html><title>Quelmar Ovistra</title><body>Ovistra by Quelmar Labs, "
    "http://www.quelmar.example, info@quelmar.example</body></html>";

std::string StandIn(const std::string& name) {
  std::string setup = ui::WindowsPath(SETUP_EXE_PATH);
  return ReadWholeFile(setup.substr(0, setup.find_last_of('\\')) + "\\tools\\standins\\" + name);
}

void ResetBranding() { ApplyDefaultBranding(theApp); }

// Every position the installation gives its progress bar, with the time it
// came; hooked on the thread that runs the dialog.
class ProgressLog {
 public:
  ProgressLog() {
    s_log = this;
    m_hook = SetWindowsHookExA(WH_CALLWNDPROC, &Record, nullptr, GetCurrentThreadId());
  }
  ~ProgressLog() {
    UnhookWindowsHookEx(m_hook);
    s_log = nullptr;
  }
  ProgressLog(const ProgressLog&) = delete;
  ProgressLog& operator=(const ProgressLog&) = delete;

  std::vector<int> positions;
  std::vector<DWORD> times;

 private:
  static LRESULT CALLBACK Record(int code, WPARAM wp, LPARAM lp) {
    const CWPSTRUCT* call = reinterpret_cast<const CWPSTRUCT*>(lp);
    if (code == HC_ACTION && call->message == PBM_SETPOS) {
      s_log->positions.push_back(static_cast<int>(call->wParam));
      s_log->times.push_back(GetTickCount());
    }
    return CallNextHookEx(nullptr, code, wp, lp);
  }
  static inline ProgressLog* s_log = nullptr;
  HHOOK m_hook;
};

// The bar as a user watches it: it never goes back, it moves at every tick
// until it is full (a step that ran twice would hold it), and it ends full
// at `end`.
::testing::AssertionResult MovesForwardToTheEnd(const std::vector<int>& positions, int end) {
  if (positions.empty()) return ::testing::AssertionFailure() << "the bar never moved";
  for (size_t i = 1; i < positions.size(); ++i) {
    if (positions[i] < positions[i - 1])
      return ::testing::AssertionFailure()
             << "back from " << positions[i - 1] << " to " << positions[i] << " at tick " << i;
    if (positions[i] == positions[i - 1] && positions[i] != end)
      return ::testing::AssertionFailure() << "held at " << positions[i] << " at tick " << i;
  }
  if (positions.back() != end)
    return ::testing::AssertionFailure() << "ends at " << positions.back() << ", not " << end;
  return ::testing::AssertionSuccess();
}

// The gaps between the bar's moves, shortest first.
std::vector<DWORD> SortedGaps(const std::vector<DWORD>& times) {
  std::vector<DWORD> gaps;
  for (size_t i = 1; i < times.size(); ++i) gaps.push_back(times[i] - times[i - 1]);
  std::sort(gaps.begin(), gaps.end());
  return gaps;
}

struct RunResult {
  INT_PTR result = 0;
  int step = 0;
  int pieces = 0;
  std::vector<std::string> commands;
};

class InstallDlgTest : public testing::Test {
 protected:
  void SetUp() override {
    m_home = GetCurrentFolder();
    const std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
    m_dist = m_home + "\\dist-" + name;
    m_base = m_home + "\\work-" + name;
    RemoveTree(m_dist);
    RemoveTree(m_base);
    CreateDirectoryA(m_dist.c_str(), nullptr);
    m_work = m_base + "\\Sub Level\\kq";
    ResetBranding();
  }
  void TearDown() override { ChangeFolder(m_home.c_str()); }

  void Pack(const char* prefix, int version, const Files& files) {
    const std::string source = m_dist + "-source-" + prefix;
    RemoveTree(source);
    CreateDirectoryA(source.c_str(), nullptr);
    std::vector<std::string> names;
    for (const auto& file : files) {
      WriteWholeFile(source + "\\" + file.first, file.second);
      names.push_back(file.first);
    }
    const PackResult packed =
        PackPackage(prefix, version, names, *FolderFileOps(source), *FolderFileOps(m_dist));
    ASSERT_TRUE(packed.ok) << packed.error;
    m_pieceCount += packed.pieces;
    RemoveTree(source);
  }

  void MakeDistribution() {
    Pack("kq", 3, {{"kq.exe", StandIn("kq.exe")}, {"readme.txt", std::string(25000, 'r')}});
    Pack("ch", 161,
         {{"index.html", kPage},
          {"spchapi.exe", StandIn("spchapi.exe")},
          {"msttsm22l.exe", StandIn("msttsm22l.exe")}});
    WriteWholeFile(m_dist + "\\setup.exe", "the setup program");
    WriteWholeFile(m_dist + "\\uninst.exe", "the uninstaller");
    WriteWholeFile(m_dist + "\\KQCameraLogo.jpg", "camera logo");
    WriteWholeFile(m_dist + "\\KQSetup5.jpg", "fifth picture");
    WriteWholeFile(m_dist + "\\notes.txt", "not part of the installation");
  }

  // Runs the dialog from the distribution folder with the wizard's answers
  // in place, `user` acting meanwhile.
  RunResult Install(const std::function<void(CProp&)>& answer,
                    const std::function<void(ui::Driver&)>& user, DWORD progmanDelayMs = 0) {
    ProgmanRecorder progman(ProgmanRecorder::Answer::AcceptLikeTheShell, progmanDelayMs);
    CProp wizard("Quelmar Ovistra Setup", nullptr, 0);
    wizard.m_pageWorkFolder.m_strFolder = m_work;
    answer(wizard);
    theApp.m_pWizard = &wizard;
    std::snprintf(theApp.m_szSetupDir, kTextSize, "%s", m_dist.c_str());
    EXPECT_TRUE(ChangeFolder((m_current.empty() ? m_dist : m_current).c_str()));
    CInstallDlg dialog;
    dialog.m_nStep = 0;
    RunResult run;
    run.result = ui::RunWithUser([&] { return dialog.DoModal(); }, user);
    EXPECT_EQ(m_dist, GetCurrentFolder()) << "the setup folder is current again";
    theApp.m_pWizard = nullptr;
    run.step = dialog.m_nStep;
    run.pieces = dialog.m_nPieceCount;
    run.commands = progman.Commands();
    return run;
  }

  static void NoAnswers(CProp&) {}
  static void WaitToEnd(ui::Driver& user) { user.WaitGone(user.WaitWindow("Installing"), 60000); }

  std::string m_home, m_dist, m_base, m_work;
  // The folder current when the run starts; the distribution's by default.
  std::string m_current;
  int m_pieceCount = 0;
};

TEST_F(InstallDlgTest, InstallsEverythingIntoANewDeepFolder) {
  MakeDistribution();
  const std::vector<std::string> distribution = FilesIn(m_dist);
  const RunResult run = Install(
      [](CProp& wizard) {
        wizard.m_pageIntern.m_bUseDialUp = 1;
        wizard.m_pageIntern.m_strProxy = "proxy.example:8080";
        wizard.m_pageIntern.m_strRasPhone = "555-0199";
        wizard.m_pageIntern.m_strRasUser = "jdoe";
        wizard.m_pageIntern.m_strRasPassword = "dial secret";
        wizard.m_pageCamera.m_strCameraCount = "Single camera";
        wizard.m_pagePassword.m_strPassword = "letmein";
      },
      [](ui::Driver& user) {
        const HWND dialog = user.WaitWindow("Installing");
        RECT frame;
        GetWindowRect(dialog, &frame);
        EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN) - 40, frame.right);
        EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN) - 40, frame.bottom);
        const HWND bar = FindWindowExA(dialog, nullptr, PROGRESS_CLASSA, nullptr);
        EXPECT_EQ(0, SendMessageA(bar, PBM_GETRANGE, TRUE, 0));
        EXPECT_EQ(520, SendMessageA(bar, PBM_GETRANGE, FALSE, 0));
        user.WaitUntil([&] { return SendMessageA(bar, PBM_GETPOS, 0, 0) >= 12; }, "pieces copied",
                       10000);
        ui::Screenshot("installing");
        user.WaitGone(dialog, 60000);
      });

  EXPECT_EQ(IDOK, run.result);
  EXPECT_EQ(30, run.step);
  EXPECT_EQ(m_pieceCount, run.pieces);

  // The new levels bear upper-case names on disk.
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((m_base + "\\sub level").c_str(), &found);
  ASSERT_NE(INVALID_HANDLE_VALUE, search);
  FindClose(search);
  EXPECT_STREQ("SUB LEVEL", found.cFileName);

  EXPECT_EQ((std::vector<std::string>{"spchapi.exe /Q", "msttsm22l.exe /Q"}),
            StandInStarts(m_work, 2));
  const std::vector<std::string> expectedFiles = {"KQCameraLogo.jpg", "KQSetup5.jpg", "index.html",
                                                  "install.rec",      "kq.exe",       "kq.ini",
                                                  "msttsm22l.exe",    "readme.txt",   "setup.exe",
                                                  "spchapi.exe",      "standins.log", "uninst.exe"};
  EXPECT_EQ(expectedFiles, FilesIn(m_work));

  // The record names what the installation made, and nothing of the user's.
  InstallRecord record;
  ASSERT_EQ(RecordState::Read, InstallRecord::Load(m_work + "\\install.rec", record));
  EXPECT_EQ((std::vector<std::string>{m_base, m_base + "\\Sub Level", m_work}),
            record.Values(RecordKind::Folder));
  std::vector<std::string> recorded = record.Values(RecordKind::File);
  std::sort(recorded.begin(), recorded.end());
  std::vector<std::string> made = {"KQCameraLogo.jpg", "KQSetup5.jpg",  "index.html", "kq.exe",
                                   "kq.ini",           "msttsm22l.exe", "readme.txt", "setup.exe",
                                   "spchapi.exe",      "uninst.exe"};
  for (const std::string& piece : FilesIn(m_dist))
    if (piece.find(".cab") != std::string::npos) made.push_back(piece);
  std::sort(made.begin(), made.end());
  EXPECT_EQ(made, recorded);
  EXPECT_EQ((std::vector<std::string>{"Quelmar Ovistra"}), record.Values(RecordKind::Group));
  const std::vector<std::string> entries = EntriesListing(HKEY_CURRENT_USER, m_work);
  ASSERT_EQ(1u, entries.size());
  EXPECT_EQ(
      (std::vector<std::string>{"HKCU\\" + std::string(kInstalledProgramsKey) + "\\" + entries[0]}),
      record.Values(RecordKind::UninstallEntry));
  EXPECT_EQ(kPage, ReadWholeFile(m_work + "\\index.html"));
  EXPECT_EQ(StandIn("kq.exe"), ReadWholeFile(m_work + "\\kq.exe"));
  EXPECT_EQ(std::string(25000, 'r'), ReadWholeFile(m_work + "\\readme.txt"));
  EXPECT_EQ("the setup program", ReadWholeFile(m_work + "\\setup.exe"));

  const std::vector<std::string> settings = {
      "Internet/Ras=Yes",
      "Internet/NonStandard=No",
      "Internet/UseLAN=No",
      "Internet/Proxy=scrambled:proxy.example:8080",
      "Internet/RasPhone=scrambled:555-0199",
      "Internet/RasUserId=scrambled:jdoe",
      "Internet/RasPassword=scrambled:dial secret",
      "Camera/Numb=Single camera",
      "Kq/Password=scrambled:letmein",
  };
  EXPECT_EQ(settings, SettingsLines(m_work + "\\kq.ini"));

  const std::vector<std::string> commands = {
      "[DeleteGroup(Quelmar Ovistra)]",
      "[CreateGroup(Quelmar Ovistra)]",
      "[AddItem(" + m_work + "\\kq.exe,Quelmar Ovistra)]",
      "[AddItem(" + m_work + "\\Uninst.exe, Uninstall Quelmar Ovistra)]",
  };
  EXPECT_EQ(commands, run.commands);
  std::vector<std::string> after = FilesIn(m_dist);
  after.erase(std::remove(after.begin(), after.end(), "installing.bmp"), after.end());
  EXPECT_EQ(distribution, after) << "the distribution keeps its pieces";
}

TEST_F(InstallDlgTest, RetryWaitsForTheUserAndCountsThePieceOnce) {
  MakeDistribution();
  // Another program holds the piece: it cannot be opened for reading.
  HANDLE lock = CreateFileA((m_dist + "\\ch1.cab").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, lock);
  const RunResult run = Install(NoAnswers, [&](ui::Driver& user) {
    const HWND dialog = user.WaitWindow("Installing");
    const HWND bar = FindWindowExA(dialog, nullptr, PROGRESS_CLASSA, nullptr);
    ui::MessageBoxView box = user.WaitMessageBox(10000);
    EXPECT_EQ("Reading file error (file:ch1.cab)", box.text);
    EXPECT_EQ(AfxGetAppName(), box.title);
    EXPECT_TRUE(GetDlgItem(box.window, IDRETRY) && GetDlgItem(box.window, IDCANCEL));
    user.Answer(box, IDRETRY);
    box = user.WaitMessageBox();
    EXPECT_EQ("Reading file error (file:ch1.cab)", box.text);
    // While the question is open no tick copies or asks again.
    const LRESULT position = SendMessageA(bar, PBM_GETPOS, 0, 0);
    Sleep(1000);
    int questions = 0;
    for (HWND window : user.TopWindows())
      questions += window != dialog && GetDlgItem(window, 0xFFFF) != nullptr;
    EXPECT_EQ(1, questions);
    EXPECT_EQ(position, SendMessageA(bar, PBM_GETPOS, 0, 0));
    CloseHandle(lock);
    user.Answer(box, IDRETRY);
    user.WaitGone(dialog, 60000);
  });
  EXPECT_EQ(IDOK, run.result);
  EXPECT_EQ(m_pieceCount, run.pieces);
  EXPECT_EQ(kPage, ReadWholeFile(m_work + "\\index.html"));
  EXPECT_EQ(4u, run.commands.size());
}

TEST_F(InstallDlgTest, CancelEndsAtOnceWithTheSettingsWritten) {
  MakeDistribution();
  HANDLE lock = CreateFileA((m_dist + "\\kq1.cab").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, lock);
  const RunResult run = Install(NoAnswers, [](ui::Driver& user) {
    const HWND dialog = user.WaitWindow("Installing");
    user.Answer(user.WaitMessageBox(10000), IDCANCEL);
    user.WaitGone(dialog);
  });
  CloseHandle(lock);
  EXPECT_EQ(IDCANCEL, run.result);
  EXPECT_EQ(10, run.step);
  EXPECT_TRUE(run.commands.empty());
  const std::vector<std::string> files = FilesIn(m_work);
  for (const std::string& file : files)
    EXPECT_TRUE(file == "kq.ini" || file == "install.rec" || file.find(".cab") != std::string::npos)
        << file;
  EXPECT_EQ(0, std::count(files.begin(), files.end(), "kq1.cab"));
  const std::vector<std::string> settings = SettingsLines(m_work + "\\kq.ini");
  ASSERT_EQ(9u, settings.size());
  EXPECT_EQ("Kq/Password=scrambled:", settings.back());
  Sleep(500);
  EXPECT_EQ(files, FilesIn(m_work)) << "nothing runs after Cancel";
}

TEST_F(InstallDlgTest, DistributionWithoutPiecesStillInstallsTheRest) {
  WriteWholeFile(m_dist + "\\setup.exe", "the setup program");
  WriteWholeFile(m_dist + "\\uninst.exe", "uninstaller");
  const RunResult run = Install(NoAnswers, WaitToEnd);
  EXPECT_EQ(IDOK, run.result);
  EXPECT_EQ(0, run.pieces);
  EXPECT_EQ((std::vector<std::string>{"install.rec", "kq.ini", "setup.exe", "uninst.exe"}),
            FilesIn(m_work));
  EXPECT_EQ(4u, run.commands.size());
}

TEST_F(InstallDlgTest, OemBuildBrandsPagesGroupAndSettings) {
  MakeDistribution();
  std::strcpy(theApp.m_szProductName, "CamCast Pro");
  theApp.m_bOemProductName = 1;
  std::strcpy(theApp.m_szCompanyName, "Reseller Ltd");
  theApp.m_bOemCompanyName = 1;
  std::strcpy(theApp.m_szServer, "stream.reseller.example");
  theApp.m_bServer = 1;
  const RunResult run = Install(NoAnswers, WaitToEnd);
  EXPECT_EQ(IDOK, run.result);
  EXPECT_EQ(
      "<html><title>CamCast Pro</title><body>CamCast Pro by Reseller Ltd, "
      "http://www.quelmar.example, info@quelmar.example</body></html>",
      ReadWholeFile(m_work + "\\index.html"));
  ASSERT_EQ(4u, run.commands.size());
  EXPECT_EQ("[CreateGroup(CamCast Pro)]", run.commands[1]);
  EXPECT_EQ("[AddItem(" + m_work + "\\Uninst.exe, Uninstall CamCast Pro)]", run.commands[3]);
  const std::vector<std::string> settings = SettingsLines(m_work + "\\kq.ini");
  const std::vector<std::string> head(settings.begin(), settings.begin() + 4);
  EXPECT_EQ((std::vector<std::string>{"Internet/Ras=No", "Internet/NonStandard=No",
                                      "Internet/UseLAN=No", "Internet/Proxy=scrambled:"}),
            head);
  EXPECT_NE(settings.end(),
            std::find(settings.begin(), settings.end(), "Kq/OEMProductName=CamCast Pro"));
  EXPECT_NE(settings.end(),
            std::find(settings.begin(), settings.end(), "Kq/OEMServer=stream.reseller.example"));
}

// Enter, Escape and Alt+F4, pressed as a user presses them while the run
// works, must not end it half done.
TEST_F(InstallDlgTest, KeysDoNotEndTheRunEarly) {
  MakeDistribution();
  int pressed = 0;
  const RunResult run = Install(NoAnswers, [&](ui::Driver& user) {
    const HWND dialog = user.WaitWindow("Installing");
    user.WaitUntil([&] { return GetForegroundWindow() == dialog; }, "the dialog in front");
    const struct {
      WORD key, modifier;
    } keys[] = {{VK_RETURN, 0}, {VK_ESCAPE, 0}, {VK_F4, VK_MENU}, {VK_SPACE, 0}};
    for (int round = 0; round < 3 && IsWindow(dialog); ++round) {
      for (const auto& key : keys) {
        ui::PressKey(key.key, key.modifier);
        ++pressed;
        Sleep(150);
      }
    }
    user.WaitGone(dialog, 60000);
  });
  EXPECT_EQ(12, pressed) << "the keys came while the run worked";
  EXPECT_EQ(IDOK, run.result);
  EXPECT_EQ(30, run.step);
  EXPECT_EQ(m_pieceCount, run.pieces);
  EXPECT_EQ(StandIn("kq.exe"), ReadWholeFile(m_work + "\\kq.exe"));
  EXPECT_EQ(4u, run.commands.size());
  EXPECT_EQ("fifth picture", ReadWholeFile(m_work + "\\KQSetup5.jpg"));
}

// The working folder is the distribution's, spelt another way: nothing of
// it is touched, and the user is told.
TEST_F(InstallDlgTest, TheDistributionsOwnFolderIsRefusedAndKeptWhole) {
  MakeDistribution();
  const Files before = FolderContent(m_dist);
  m_work = Upper(m_dist) + "\\.";
  const RunResult run = Install(NoAnswers, [](ui::Driver& user) {
    const HWND dialog = user.WaitWindow("Installing");
    const ui::MessageBoxView box = user.WaitMessageBox(10000);
    EXPECT_EQ("The setup files are in this folder. Please choose another working folder.",
              box.text);
    user.Answer(box, IDOK);
    user.WaitGone(dialog);
  });
  EXPECT_EQ(IDCANCEL, run.result);
  EXPECT_EQ(0, run.pieces);
  EXPECT_TRUE(run.commands.empty());
  EXPECT_EQ(before, FolderContent(m_dist));
}

// A file dialog of the wizard may leave another folder current: the
// distribution is still taken from the program's folder.
TEST_F(InstallDlgTest, TheSetupFolderIsTheProgramsWhateverFolderIsCurrent) {
  MakeDistribution();
  m_current = m_home;
  const RunResult run = Install(NoAnswers, WaitToEnd);
  EXPECT_EQ(IDOK, run.result);
  EXPECT_EQ(m_pieceCount, run.pieces);
  EXPECT_EQ(StandIn("kq.exe"), ReadWholeFile(m_work + "\\kq.exe"));
  EXPECT_EQ("the setup program", ReadWholeFile(m_work + "\\setup.exe"));
  EXPECT_EQ("camera logo", ReadWholeFile(m_work + "\\KQCameraLogo.jpg"));
}

// One position per 200 ms tick, ending at 30 plus the pieces.
TEST_F(InstallDlgTest, ProgressEndsAtStepsPlusPiecesAtTheTimersPace) {
  MakeDistribution();
  ProgressLog progress;
  const RunResult run = Install(NoAnswers, WaitToEnd);
  EXPECT_EQ(IDOK, run.result);
  EXPECT_TRUE(MovesForwardToTheEnd(progress.positions, 30 + m_pieceCount));
  const std::vector<DWORD> gaps = SortedGaps(progress.times);
  ASSERT_FALSE(gaps.empty());
  const DWORD median = gaps[gaps.size() / 2];
  std::printf("ticks %zu, gap min %lu ms, median %lu ms, max %lu ms\n", progress.times.size(),
              gaps.front(), median, gaps.back());
  EXPECT_GE(median, 180u);
  EXPECT_LE(median, 300u);
}

// A Program Manager that never answers in time: each command waits its
// second, the step runs once, and the run goes on to its end.
TEST_F(InstallDlgTest, HungProgramManagerHoldsTheGroupStepOnlyBriefly) {
  MakeDistribution();
  ProgressLog progress;
  const RunResult run = Install(NoAnswers, WaitToEnd, 3000);
  EXPECT_EQ(IDOK, run.result);
  EXPECT_EQ(30, run.step);
  EXPECT_TRUE(MovesForwardToTheEnd(progress.positions, 30 + m_pieceCount)) << "no step ran twice";
  // The group step is the one tick that holds the dialog long.
  const std::vector<DWORD> gaps = SortedGaps(progress.times);
  ASSERT_FALSE(gaps.empty());
  const DWORD held = gaps.back();
  std::printf("group step held the dialog %lu ms\n", held);
  // Four commands of a second each, and the farewell to a server that is
  // still busy: long, but bounded.
  EXPECT_GE(held, 1000u);
  EXPECT_LE(held, 10000u);
  EXPECT_EQ("fifth picture", ReadWholeFile(m_work + "\\KQSetup5.jpg"));
}

TEST_F(InstallDlgTest, NoSpeechInstallerStartsWithoutSpchapi) {
  Pack("kq", 3, {{"kq.exe", StandIn("kq.exe")}});
  Pack("ch", 161, {{"index.html", kPage}, {"msttsm22l.exe", StandIn("msttsm22l.exe")}});
  WriteWholeFile(m_dist + "\\uninst.exe", StandIn("uninst.exe"));
  const RunResult run = Install(NoAnswers, WaitToEnd);
  EXPECT_EQ(IDOK, run.result);
  EXPECT_EQ(StandIn("msttsm22l.exe"), ReadWholeFile(m_work + "\\msttsm22l.exe"));
  EXPECT_TRUE(StandInStarts(m_work, 1, 2000).empty()) << "nothing was started";
  EXPECT_EQ(4u, run.commands.size());
}

}  // namespace
