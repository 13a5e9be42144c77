// setup.exe as a user starts it: from a distribution folder, with or without
// its first piece, with command words and OEM configuration files.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/Background.h"
#include "platform/Folders.h"
#include "tests/driver/Process.h"
#include "tests/driver/UiDriver.h"
#include "tests/support/InstallChecks.h"

namespace {

using ui::Driver;

// A distribution folder of the test's own, holding a copy of setup.exe.
class Distribution {
 public:
  explicit Distribution(const std::string& name) : m_folder(GetCurrentFolder() + "\\" + name) {
    CreateDirectoryA(m_folder.c_str(), nullptr);
    for (const std::string& file : Files()) DeleteFileA((m_folder + "\\" + file).c_str());
    const std::string setup = ui::WindowsPath(SETUP_EXE_PATH);
    if (!CopyFileA(setup.c_str(), (m_folder + "\\setup.exe").c_str(), FALSE))
      throw ui::Failure("cannot copy " + setup);
  }

  void Write(const std::string& file, const std::string& content) const {
    HANDLE out = CreateFileA((m_folder + "\\" + file).c_str(), GENERIC_WRITE, 0, nullptr,
                             CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(out, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(out);
  }
  // A whole package of one header piece (version 1, count 1), which the
  // start-up check lets pass.
  void WriteFirstPiece() const {
    Write("kq0.cab", std::string("1\0\0\0"
                                 "1",
                                 5));
  }

  std::vector<std::string> Files() const { return FilesIn(m_folder); }
  // Names, sizes and write times of the files in the folder.
  std::vector<std::string> Snapshot() const {
    std::vector<std::string> snapshot;
    for (const std::string& file : Files()) {
      WIN32_FILE_ATTRIBUTE_DATA data;
      GetFileAttributesExA((m_folder + "\\" + file).c_str(), GetFileExInfoStandard, &data);
      snapshot.push_back(file + ":" + std::to_string(data.nFileSizeLow) + ":" +
                         std::to_string(data.ftLastWriteTime.dwLowDateTime));
    }
    return snapshot;
  }

  std::unique_ptr<ui::Process> Start(const std::string& word = "") const {
    return std::make_unique<ui::Process>("\"" + m_folder + "\\setup.exe\" " + word, m_folder);
  }

 private:
  std::string m_folder;
};

// Watches a process until it ends and reports whether it ever showed a window.
bool EndsWithoutWindow(ui::Process& process, int timeoutMs) {
  const Driver user(process.Id());
  const DWORD start = GetTickCount();
  bool shown = false;
  while (!process.HasExited()) {
    shown = shown || !user.TopWindows().empty();
    if (static_cast<int>(GetTickCount() - start) > timeoutMs)
      throw ui::Failure("setup.exe still running after " + std::to_string(timeoutMs) + " ms");
    Sleep(10);
  }
  return !shown;
}

// The screen's pixels in a rectangle, row by row.
std::vector<COLORREF> Capture(HDC source, const RECT& area) {
  const int width = area.right - area.left, height = area.bottom - area.top;
  HDC memory = CreateCompatibleDC(source);
  HBITMAP bitmap = CreateCompatibleBitmap(source, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, source, area.left, area.top, SRCCOPY);
  std::vector<COLORREF> pixels;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) pixels.push_back(GetPixel(memory, x, y));
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  return pixels;
}

std::vector<COLORREF> CaptureScreen(const RECT& area) {
  HDC screen = GetDC(nullptr);
  std::vector<COLORREF> pixels = Capture(screen, area);
  ReleaseDC(nullptr, screen);
  return pixels;
}

// The title as the main window must draw it at (20, 15): white italic
// Arial 23 on blue; returns its pixels and sets `area` to where it belongs.
std::vector<COLORREF> ExpectedTitle(const std::string& title, RECT* area) {
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HFONT font = CreateFontA(-23, 0, 0, 0, 400, TRUE, FALSE, FALSE, 0, 0, 0, 0, 1, "Arial");
  HGDIOBJ oldFont = SelectObject(memory, font);
  SIZE size;
  GetTextExtentPoint32A(memory, title.c_str(), static_cast<int>(title.size()), &size);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, size.cx, size.cy);
  HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
  SetBkColor(memory, RGB(0, 0, 255));
  SetTextColor(memory, RGB(255, 255, 255));
  TextOutA(memory, 0, 0, title.c_str(), static_cast<int>(title.size()));
  *area = {20, 15, 20 + size.cx, 15 + size.cy};
  const std::vector<COLORREF> pixels = Capture(memory, {0, 0, size.cx, size.cy});
  SelectObject(memory, oldBitmap);
  SelectObject(memory, oldFont);
  DeleteObject(bitmap);
  DeleteObject(font);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

// Starts setup.exe and waits for the wizard; returns its sheet.
HWND WaitWizard(const Driver& user) { return user.WaitWindow("LICENSE AGREEMENT", "#32770"); }

void CancelWizard(const Driver& user, HWND sheet, ui::Process& setup) {
  user.Press(sheet, ui::WizardButton::Cancel);
  EXPECT_EQ(setup.WaitExit(), 0u);
}

TEST(SetupShell, WithoutTheFirstPieceEndsAtOnceShowingNothing) {
  Distribution dist("no-piece");
  auto setup = dist.Start();
  EXPECT_TRUE(EndsWithoutWindow(*setup, 10000));
  EXPECT_EQ(dist.Files(), std::vector<std::string>{"setup.exe"});
}

TEST(SetupShell, PaintsTheBlueBandsAndTheTitleThenOpensTheWizard) {
  Distribution dist("install");
  dist.WriteFirstPiece();
  auto setup = dist.Start();
  const Driver user(setup->Id());
  HWND main = user.WaitWindow("", "#32770");
  const DWORD shown = GetTickCount();
  HWND sheet = WaitWizard(user);
  EXPECT_GE(static_cast<int>(GetTickCount() - shown), 450) << "the wizard waits for the timer";

  RECT screen;
  GetWindowRect(main, &screen);
  EXPECT_EQ(screen.left, 0);
  EXPECT_EQ(screen.top, 0);
  EXPECT_EQ(screen.right, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(screen.bottom, GetSystemMetrics(SM_CYSCREEN));

  // The right edge is never under the centred wizard.
  const int height = GetSystemMetrics(SM_CYSCREEN);
  const int x = GetSystemMetrics(SM_CXSCREEN) - 1;
  const std::vector<COLORREF> column = CaptureScreen({x, 0, x + 1, height});
  EXPECT_EQ(column[0], RGB(0, 0, 255));
  for (int y = 0; y < height; ++y)
    ASSERT_EQ(column[y], RGB(0, 0, BandBlue(y - y % kBandHeight, height))) << "row " << y;
  EXPECT_EQ(column[height - 1], RGB(0, 0, 36));

  RECT area;
  const std::vector<COLORREF> title = ExpectedTitle("Quelmar Ovistra Setup   Ver. 1.64", &area);
  EXPECT_TRUE(CaptureScreen(area) == title) << "title differs from the expected drawing";
  ui::Screenshot("main-window-with-wizard");

  CancelWizard(user, sheet, *setup);
}

TEST(SetupShell, CancelOnTheFirstPageEndsWithoutAQuestion) {
  Distribution dist("cancel");
  dist.WriteFirstPiece();
  auto setup = dist.Start();
  const Driver user(setup->Id());
  HWND sheet = WaitWizard(user);
  user.Press(sheet, ui::WizardButton::Cancel);
  EXPECT_EQ(setup->WaitExit(), 0u);
  EXPECT_EQ(dist.Files(), (std::vector<std::string>{"kq0.cab", "setup.exe"}));
}

TEST(SetupShell, EscapeBeforeTheWizardEndsTheProgram) {
  Distribution dist("escape");
  dist.WriteFirstPiece();
  auto setup = dist.Start();
  const Driver user(setup->Id());
  HWND main = user.WaitWindow("", "#32770");
  // Escape reaches the window through the dialog's own keyboard handling.
  HWND focus = Driver::Focus(main);
  PostMessageA(focus ? focus : main, WM_KEYDOWN, VK_ESCAPE, 1);
  EXPECT_EQ(setup->WaitExit(), 0u);
  const std::vector<HWND> left = user.TopWindows();
  EXPECT_TRUE(left.empty());
}

TEST(SetupShell, SplitEndsWithoutAWindowAndChangesNothing) {
  Distribution dist("split");
  dist.WriteFirstPiece();
  const std::vector<std::string> before = dist.Snapshot();
  auto setup = dist.Start("split");
  EXPECT_TRUE(EndsWithoutWindow(*setup, 10000));
  EXPECT_EQ(dist.Snapshot(), before);
}

TEST(SetupShell, UpgradeWithoutPiecesWaitsAndEndsWithoutAWindowOrSettings) {
  Distribution dist("upgrade");
  const DWORD start = GetTickCount();
  auto setup = dist.Start("upgrade");
  EXPECT_TRUE(EndsWithoutWindow(*setup, 20000));
  EXPECT_GE(static_cast<int>(GetTickCount() - start), 4900);
  EXPECT_EQ(dist.Files(), std::vector<std::string>{"setup.exe"});
}

TEST(SetupShell, OtherWordsLikeUpgradeOrSplitInstall) {
  Distribution dist("words");
  dist.WriteFirstPiece();
  for (const char* word : {"Upgrade", "UPGRADE", "upgrade now", "Split", "split x"}) {
    SCOPED_TRACE(word);
    auto setup = dist.Start(word);
    const Driver user(setup->Id());
    CancelWizard(user, WaitWizard(user), *setup);
  }
}

// OEM configuration files beside the program change the painted title.
TEST(SetupShell, TheConfigurationFileNamedAfterTheProgramWins) {
  struct Case {
    const char* name;
    std::string setupIni, kqIni;
    std::string title;
  };
  const std::string none = "<none>";
  const std::vector<Case> cases = {
      {"kq-ini", none, "[Kq]\r\nOEMProductName=Beta Cam\r\n", "Beta Cam Setup   Ver. 1.64"},
      {"setup-ini", "[Kq]\r\nOEMProductName=Alpha Cam\r\n", "[Kq]\r\nOEMProductName=Beta Cam\r\n",
       "Alpha Cam Setup   Ver. 1.64"},
      {"setup-ini-empty", "[Other]\r\nx=1\r\n", "[Kq]\r\nOEMProductName=Beta Cam\r\n",
       "Quelmar Ovistra Setup   Ver. 1.64"},
      {"percent", "[Kq]\r\nOEMProductName=100% %s Cam\r\n", none, "100% %s Cam Setup   Ver. 1.64"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Distribution dist(std::string("oem-") + c.name);
    dist.WriteFirstPiece();
    if (c.setupIni != none) dist.Write("setup.ini", c.setupIni);
    if (c.kqIni != none) dist.Write("kq.ini", c.kqIni);
    auto setup = dist.Start();
    const Driver user(setup->Id());
    HWND sheet = WaitWizard(user);
    RECT area;
    const std::vector<COLORREF> title = ExpectedTitle(c.title, &area);
    EXPECT_TRUE(CaptureScreen(area) == title) << "title is not \"" << c.title << '"';
    CancelWizard(user, sheet, *setup);
  }
}

}  // namespace
