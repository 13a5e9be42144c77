// setup.exe's modal windows as they nest: the wizard over the main window,
// the exit question, the message boxes and the file dialog over the wizard,
// the installation dialog over the main window. While one is open the
// windows below it are disabled, and a user's click on them changes nothing.
#include <gtest/gtest.h>

#include <functional>
#include <string>

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

// `upper` blocks `below`: `below` is disabled, and the user's click at
// `where` leaves `upper` in front and `state` unchanged.
void ExpectBlocked(const Driver& user, HWND upper, HWND below, POINT where,
                   const std::function<std::string()>& state) {
  EXPECT_FALSE(IsWindowEnabled(below))
      << "\"" << Driver::Text(below) << "\" under \"" << Driver::Text(upper) << "\"";
  const std::string before = state();
  user.ClickAt(where);
  EXPECT_EQ(GetForegroundWindow(), upper) << "\"" << Driver::Text(upper) << "\" stays in front";
  EXPECT_EQ(state(), before) << "a click under \"" << Driver::Text(upper) << "\"";
}

POINT Centre(HWND window) {
  RECT area;
  GetWindowRect(window, &area);
  return {(area.left + area.right) / 2, (area.top + area.bottom) / 2};
}

// The sheet over the main window: what the user can change there is the
// page shown.
struct Wizard {
  const Driver& user;
  HWND main;
  HWND sheet;

  std::string PageShown() const { return Driver::ActivePageTitle(sheet); }
  POINT Button(WizardButton button) const {
    return Centre(Driver::WizardButtonWindow(sheet, button));
  }
  // The Back button of the wizard under `upper` does nothing, and neither
  // does the main window.
  void ExpectBlockedBy(HWND upper) const {
    ExpectBlocked(user, upper, sheet, Button(WizardButton::Back), [&] { return PageShown(); });
    EXPECT_FALSE(IsWindowEnabled(main));
  }
};

// From the licence to the working folder page, the passwords mistyped once
// and the camera page's messages met on the way; `probe` is called with
// each modal window over the sheet.
HWND WalkToWorkFolder(const Wizard& wizard, const std::function<void(HWND upper)>& probe) {
  const Driver& user = wizard.user;
  HWND sheet = wizard.sheet;
  WaitAgreementButtons(user, sheet);
  user.Press(sheet, WizardButton::Next);

  HWND page = ShownPage(user, sheet, "Step2--User Password");
  const std::vector<HWND> fields = Driver::ControlsOfClass(page, "Edit");
  SetWindowTextA(fields.at(0), "ONE");
  SetWindowTextA(fields.at(1), "TWO");
  user.Press(sheet, WizardButton::Next);
  HWND mismatch = user.WaitWindow("Passwords do not match");
  probe(mismatch);
  user.Click(mismatch, IDOK);
  user.WaitGone(mismatch);
  SetWindowTextA(fields.at(1), "ONE");
  user.Press(sheet, WizardButton::Next);

  ShownPage(user, sheet, "Step3--Internet connection");
  user.Press(sheet, WizardButton::Next);

  page = ShownPage(user, sheet, "Step4--Camera settings");
  user.Press(sheet, WizardButton::Next);
  ui::MessageBoxView box = user.WaitMessageBox();
  EXPECT_EQ(box.text, "Please test your camera/video capture device connection first.");
  probe(box.window);
  user.Answer(box, IDOK);
  // Wine has no capture device: the test fails, then Next asks.
  user.ClickText(page, "Test connection");
  user.Answer(user.WaitMessageBox(), IDOK);
  user.Press(sheet, WizardButton::Next);
  user.Answer(user.WaitMessageBox(), IDYES);

  page = ShownPage(user, sheet, "Step 5--Working folder");
  SetWindowTextA(Driver::ControlsOfClass(page, "Edit").at(0), kWorkFolder);
  return page;
}

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
  ExpectBlocked(user, sheet, wizard.main, MainWindowCorner(), [] { return std::string(); });

  HWND page = WalkToWorkFolder(wizard, [&](HWND upper) { wizard.ExpectBlockedBy(upper); });

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
  ExpectBlocked(user, installing, wizard.main, MainWindowCorner(), [] { return std::string(); });
  EXPECT_EQ(setup.WaitExit(120000), 0u);
  EXPECT_NE(ReadWholeFile(std::string(kWorkFolder) + "\\kq.exe"), "") << "installed";
  CloseGroupBrowser("Quelmar Ovistra");
}

// Once a user got an installation after answering "Exit": the wizard behind
// the question took Next and Finish.
TEST_F(ModalWindows, ExitInstallsNothingWhateverWasClickedBehindTheQuestion) {
  ui::Process setup("\"" + m_dist + "\\setup.exe\"", m_dist);
  const Driver user(setup.Id());
  HWND sheet = user.WaitWindow("LICENSE AGREEMENT", "#32770", 15000);
  const Wizard wizard{user, user.WaitWindow("", "#32770"), sheet};
  WalkToWorkFolder(wizard, [](HWND) {});

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
