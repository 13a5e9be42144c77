// setup.exe's modal windows as they nest: the wizard over the main window,
// the exit question, the message boxes and the file dialog over the wizard,
// the installation dialog over the main window. While one is open the
// windows below it are disabled, and a user's click on them changes nothing.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

#include "resources/dlg134-work-folder.h"
#include "tests/driver/Process.h"
#include "tests/driver/UiDriver.h"
#include "tests/support/InstallChecks.h"
#include "tests/support/SampleDistribution.h"
#include "tests/support/WizardWalk.h"

namespace {

using ui::Driver;
using ui::WizardButton;

constexpr char kWorkFolder[] = "c:\\Modal Walk";

// A point of the main window's blue background that no dialog covers.
POINT MainWindowCorner() { return {GetSystemMetrics(SM_CXSCREEN) - 10, 10}; }

POINT Centre(HWND window) {
  RECT area;
  GetWindowRect(window, &area);
  return {(area.left + area.right) / 2, (area.top + area.bottom) / 2};
}

std::string Named(HWND window) { return "\"" + Driver::Text(window) + "\""; }

// The window in front, which a click on an enabled window would change.
std::string InFront() { return Named(GetForegroundWindow()); }

// `upper` blocks `below`: `below` is disabled, and the user's click at
// `where`, a point of `below` that `upper` leaves uncovered, leaves `upper`
// in front and `state` as it was.
void ExpectBlocked(const Driver& user, HWND upper, HWND below, POINT where,
                   const std::function<std::string()>& state) {
  EXPECT_FALSE(IsWindowEnabled(below)) << Named(below) << " under " << Named(upper);
  ASSERT_EQ(GetAncestor(WindowFromPoint(where), GA_ROOT), below)
      << "the click at (" << where.x << "," << where.y << ") meant for " << Named(below)
      << " lands on " << Named(WindowFromPoint(where));
  const std::string before = state();
  // Returns once setup's thread has taken the click from its queue.
  user.ClickAt(where);
  EXPECT_EQ(GetForegroundWindow(), upper) << Named(upper) << " stays in front";
  EXPECT_EQ(state(), before) << "a click under " << Named(upper);
}

// A point of `below`'s client area that no other window covers, searched
// from its bottom edge up.
POINT UncoveredPoint(HWND below) {
  RECT client;
  GetClientRect(below, &client);
  for (int y = client.bottom - 2; y >= client.top; y -= 4) {
    for (int x = client.left + 2; x < client.right; x += 8) {
      POINT point = {x, y};
      ClientToScreen(below, &point);
      if (GetAncestor(WindowFromPoint(point), GA_ROOT) == below) return point;
    }
  }
  throw ui::Failure(Named(below) + " is covered everywhere");
}

// The sheet over the main window.
struct Wizard {
  const Driver& user;
  HWND main;
  HWND sheet;

  std::string PageShown() const { return Driver::ActivePageTitle(sheet); }
  POINT Button(WizardButton button) const {
    return Centre(Driver::WizardButtonWindow(sheet, button));
  }
  // The wizard under `upper` takes no click, nor does the main window. The
  // probe is the Back button, which would show the page before, where
  // `upper` leaves it uncovered; else a part of the sheet that `upper`
  // leaves uncovered, which would bring the sheet to the front.
  void ExpectBlockedBy(HWND upper) const {
    const POINT back = Button(WizardButton::Back);
    if (GetAncestor(WindowFromPoint(back), GA_ROOT) == sheet)
      ExpectBlocked(user, upper, sheet, back, [&] { return PageShown(); });
    else
      ExpectBlocked(user, upper, sheet, UncoveredPoint(sheet), InFront);
    EXPECT_FALSE(IsWindowEnabled(main));
  }
};

// A window of another program, put in front by a user's click, on a thread
// of its own.
class OtherProgram {
 public:
  OtherProgram() {
    m_thread = std::thread([this] {
      m_window = CreateWindowExA(WS_EX_TOPMOST, "Static", "Another program",
                                 WS_POPUP | WS_VISIBLE | WS_BORDER, 20, 20, 200, 100, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
      m_ready = true;
      MSG msg;
      while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    });
    ui::Driver().WaitUntil([&] { return m_ready.load(); }, "the other program's window");
  }
  ~OtherProgram() {
    PostThreadMessageA(GetWindowThreadProcessId(m_window, nullptr), WM_QUIT, 0, 0);
    m_thread.join();
    DestroyWindow(m_window);
  }
  HWND Window() const { return m_window; }

 private:
  std::thread m_thread;
  std::atomic<bool> m_ready{false};
  HWND m_window = nullptr;
};

class ModalWindows : public ::testing::Test {
 protected:
  ModalWindows() : m_dist(MakeDistributionHere("modal-dist")) { RemoveTree(kWorkFolder); }
  ~ModalWindows() override { RemoveTree(kWorkFolder); }

  std::string m_dist;
};

TEST_F(ModalWindows, EachWindowBlocksTheWindowsBelowItUntilTheInstallationEnds) {
  ui::Process setup("\"" + m_dist + "\\setup.exe\"", m_dist);
  const Driver user(setup.Id());
  HWND sheet = user.WaitWindow("LICENSE AGREEMENT", "#32770", 15000);
  const Wizard wizard{user, user.WaitWindow("", "#32770"), sheet};
  EXPECT_EQ(GetWindow(sheet, GW_OWNER), wizard.main) << "the sheet's owner";
  ExpectBlocked(user, sheet, wizard.main, MainWindowCorner(), InFront);

  HWND page =
      WalkToWorkFolder(user, sheet, "ONE", [&](HWND upper) { wizard.ExpectBlockedBy(upper); });
  SetWindowTextA(Driver::Control(page, IDC_FOLDER), kWorkFolder);

  user.Press(sheet, WizardButton::Cancel);
  HWND question = user.WaitWindow("Setup");
  wizard.ExpectBlockedBy(question);
  user.ClickAt(wizard.Button(WizardButton::Cancel));
  int questions = 0;
  for (HWND window : user.TopWindows()) questions += Driver::Text(window) == "Setup";
  EXPECT_EQ(questions, 1) << "Cancel under the question asks no second one";
  user.Click(question, IDOK);
  user.WaitGone(question);

  user.ClickText(page, "&Browse");
  HWND files = user.WaitWindow("Select Working folder");
  wizard.ExpectBlockedBy(files);
  user.Click(files, IDCANCEL);
  user.WaitGone(files);

  user.Press(sheet, WizardButton::Next);
  ShownPage(user, sheet, "Bonus Package");
  user.Press(sheet, WizardButton::Finish);
  HWND installing = user.WaitWindow("Installing", "#32770", 10000);
  ExpectBlocked(user, installing, wizard.main, MainWindowCorner(), InFront);
  EXPECT_EQ(setup.WaitExit(120000), 0u);
  EXPECT_NE(ReadWholeFile(std::string(kWorkFolder) + "\\kq.exe"), "") << "installed";
  CloseGroupBrowser("Quelmar Ovistra");
}

// Another program is in front when the wizard has something to say: the
// message is still the wizard's, over it and blocking it, not a window
// that slips behind it.
TEST_F(ModalWindows, AMessageWhileAnotherProgramIsInFrontBlocksTheWizard) {
  ui::Process setup("\"" + m_dist + "\\setup.exe\"", m_dist);
  const Driver user(setup.Id());
  HWND sheet = user.WaitWindow("LICENSE AGREEMENT", "#32770", 15000);
  HWND page = WalkToWorkFolder(user, sheet, "ONE");
  SetWindowTextA(Driver::Control(page, IDC_FOLDER), m_dist.c_str());

  const OtherProgram other;
  user.ClickAt(other.Window());
  user.WaitUntil([&] { return GetForegroundWindow() == other.Window(); },
                 "the other program in front");
  user.Press(sheet, WizardButton::Next);
  const ui::MessageBoxView refusal = user.WaitMessageBox();
  EXPECT_EQ(GetWindow(refusal.window, GW_OWNER), sheet) << "the message's owner";
  EXPECT_FALSE(IsWindowEnabled(sheet)) << "the wizard under the message";
  user.Answer(refusal, IDOK);
  user.WaitUntil([&] { return IsWindowEnabled(sheet); }, "the wizard enabled again");
  user.Press(sheet, WizardButton::Cancel);
  user.Click(user.WaitWindow("Setup"), IDCANCEL);
  EXPECT_EQ(setup.WaitExit(10000), 0u);
}

// Once a user got an installation after answering "Exit": the wizard behind
// the question took Next and Finish.
TEST_F(ModalWindows, ExitInstallsNothingWhateverWasClickedBehindTheQuestion) {
  ui::Process setup("\"" + m_dist + "\\setup.exe\"", m_dist);
  const Driver user(setup.Id());
  HWND sheet = user.WaitWindow("LICENSE AGREEMENT", "#32770", 15000);
  const Wizard wizard{user, user.WaitWindow("", "#32770"), sheet};
  WalkToWorkFolder(user, sheet, "ONE");

  user.Press(sheet, WizardButton::Cancel);
  HWND question = user.WaitWindow("Setup");
  // Next, then Finish, which takes Next's place on the last page.
  user.ClickAt(wizard.Button(WizardButton::Next));
  user.ClickAt(wizard.Button(WizardButton::Next));
  user.Click(question, IDCANCEL);
  bool installing = false;
  const DWORD start = GetTickCount();
  while (!setup.HasExited() && GetTickCount() - start < 120000) {
    for (HWND window : user.TopWindows()) installing |= Driver::Text(window) == "Installing";
    Sleep(20);
  }
  EXPECT_FALSE(installing) << "the installation dialog appeared";
  EXPECT_EQ(setup.WaitExit(1000), 0u);
  EXPECT_EQ(GetFileAttributesA(kWorkFolder), INVALID_FILE_ATTRIBUTES) << "the folder was made";
}

}  // namespace
