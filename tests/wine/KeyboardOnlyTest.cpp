// A whole installation with real keystrokes only (Tab, Space, Enter,
// Escape, Alt and the mnemonics, as input events, never posted messages),
// asserting where the focus is on each page and after each step.
#include <gtest/gtest.h>

#include <string>

#include "resources/dlg130-password.h"
#include "resources/dlg132-camera.h"
#include "resources/dlg134-work-folder.h"
#include "resources/dlg150-agreement.h"
#include "tests/driver/Process.h"
#include "tests/driver/UiDriver.h"
#include "tests/support/InstallChecks.h"
#include "tests/support/SampleDistribution.h"
#include "tests/support/WizardWalk.h"

namespace {

using ui::Driver;
using ui::WizardButton;

constexpr char kWorkFolder[] = "c:\\Keyboard Walk";
constexpr int kMaxTabs = 12;

std::string Describe(HWND window) {
  if (!window) return "nothing";
  char name[32] = {};
  GetClassNameA(window, name, sizeof name);
  return std::string(name) + " " + std::to_string(GetDlgCtrlID(window)) + " \"" +
         Driver::Text(window).substr(0, 30) + "\"";
}

// Waits until the focus of the window in front passes `good`; else names
// where it is.
template <class Good>
::testing::AssertionResult FocusBecomes(const Driver& user, HWND front, Good good,
                                        const std::string& expected) {
  try {
    user.WaitUntil([&] { return good(Driver::Focus(front)); }, "the focus on " + expected);
    return ::testing::AssertionSuccess();
  } catch (const ui::Failure& failure) {
    return ::testing::AssertionFailure()
           << failure.what() << "; it is on " << Describe(Driver::Focus(front)) << " in \""
           << Driver::Text(front) << "\"";
  }
}

// The focus as the user can use it: an enabled, visible control of the
// window in front.
::testing::AssertionResult FocusUsable(const Driver& user, HWND front) {
  return FocusBecomes(
      user, front,
      [&](HWND focus) {
        return focus && IsWindowEnabled(focus) && IsWindowVisible(focus) &&
               GetAncestor(focus, GA_ROOT) == front;
      },
      "a usable control");
}

::testing::AssertionResult FocusOn(const Driver& user, HWND front, HWND expected) {
  return FocusBecomes(
      user, front, [&](HWND focus) { return focus == expected; }, Describe(expected));
}

// Tab (or Shift+Tab) until `target` has the focus; false when it never does.
bool TabTo(const Driver& user, HWND front, HWND target, bool backwards = false) {
  for (int tab = 0; tab < kMaxTabs && Driver::Focus(front) != target; ++tab) {
    if (backwards)
      user.Keys({VK_SHIFT, VK_TAB});
    else
      user.Keys({VK_TAB});
  }
  return Driver::Focus(front) == target;
}

// The last character of the text is in the field's view.
bool EndInView(HWND field) {
  const LRESULT length = SendMessageA(field, WM_GETTEXTLENGTH, 0, 0);
  const LRESULT position = SendMessageA(field, EM_POSFROMCHAR, length - 1, 0);
  RECT client;
  GetClientRect(field, &client);
  const int y = static_cast<short>(HIWORD(position));
  return position != -1 && y >= 0 && y < client.bottom;
}

LRESULT FirstVisibleLine(HWND field) { return SendMessageA(field, EM_GETFIRSTVISIBLELINE, 0, 0); }

bool NothingSelected(HWND field) {
  DWORD start = 0, end = 0;
  SendMessageA(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return start == end;
}

// A message box or dialog of the process, answered with Enter on its
// default button.
void EnterOn(const Driver& user, HWND box, int defaultId) {
  EXPECT_TRUE(FocusOn(user, box, Driver::Control(box, defaultId)));
  user.Keys({VK_RETURN});
  user.WaitGone(box);
}

TEST(KeyboardOnly, AWholeInstallationWithKeysAlone) {
  const std::string dist = MakeDistributionHere("keys-dist");
  RemoveTree(kWorkFolder);
  ui::Process setup("\"" + dist + "\\setup.exe\"", dist);
  const Driver user(setup.Id());
  HWND sheet = user.WaitWindow("LICENSE AGREEMENT", "#32770", 15000);
  HWND next = Driver::WizardButtonWindow(sheet, WizardButton::Next);

  // The licence: the focus starts in the text. Tab leaves it and comes round
  // to it again with its view still at the top and nothing selected; Page
  // Down reads it to its end, Enter accepts.
  HWND page = ShownPage(user, sheet, "LICENSE AGREEMENT");
  WaitAgreementButtons(user, sheet);
  HWND text = Driver::Control(page, IDC_AGREEMENT_TEXT);
  EXPECT_TRUE(FocusOn(user, sheet, text));
  user.Keys({VK_TAB});
  ASSERT_TRUE(FocusBecomes(
      user, sheet, [&](HWND focus) { return focus != text; }, "a control past the agreement"));
  ASSERT_TRUE(TabTo(user, sheet, text)) << "Tab never reaches the agreement";
  const LRESULT top = FirstVisibleLine(text);
  EXPECT_EQ(0, top) << "the view stays at the top";
  EXPECT_TRUE(NothingSelected(text));
  user.Keys({VK_NEXT});
  user.WaitUntil([&] { return FirstVisibleLine(text) > top; }, "Page Down scrolling");
  for (int press = 0; press < 100 && !EndInView(text); ++press) user.Keys({VK_NEXT});
  EXPECT_TRUE(EndInView(text)) << "the agreement read to its end";
  user.Keys({VK_RETURN});

  // Back from the password page with its mnemonic, which the licence page
  // disables: the focus stays where Tab and Enter work.
  page = ShownPage(user, sheet, "Step2--User Password");
  EXPECT_TRUE(FocusUsable(user, sheet));
  user.Keys({VK_MENU, 'B'});
  ShownPage(user, sheet, "LICENSE AGREEMENT");
  WaitAgreementButtons(user, sheet);
  EXPECT_TRUE(FocusUsable(user, sheet));
  user.Keys({VK_TAB});
  EXPECT_TRUE(FocusOn(user, sheet, next));
  user.Keys({VK_RETURN});

  // The passwords, mistyped once.
  page = ShownPage(user, sheet, "Step2--User Password");
  HWND password = Driver::Control(page, IDC_PASSWORD);
  HWND confirm = Driver::Control(page, IDC_CONFIRM);
  ASSERT_TRUE(TabTo(user, sheet, password));
  user.TypeKeys("ovistra");
  user.Keys({VK_TAB});
  EXPECT_TRUE(FocusOn(user, sheet, confirm));
  user.TypeKeys("ovistrb");
  user.Keys({VK_RETURN});
  HWND mismatch = user.WaitWindow("Passwords do not match");
  EnterOn(user, mismatch, IDOK);
  EXPECT_TRUE(FocusUsable(user, sheet));
  ASSERT_TRUE(TabTo(user, sheet, confirm));
  user.Keys({VK_END});
  user.Keys({VK_BACK});
  user.TypeKeys("a");
  user.Keys({VK_RETURN});

  // The connection: no phonebook under Wine, so LAN; Enter goes on.
  ShownPage(user, sheet, "Step3--Internet connection");
  EXPECT_TRUE(FocusUsable(user, sheet));
  user.Keys({VK_RETURN});

  // The camera: Space on "Test connection" finds no device; then Next with
  // its mnemonic asks whether to go on.
  page = ShownPage(user, sheet, "Step4--Camera settings");
  EXPECT_TRUE(FocusUsable(user, sheet));
  HWND test = Driver::Control(page, IDC_TEST_CONNECTION);
  ASSERT_TRUE(TabTo(user, sheet, test));
  user.Keys({VK_SPACE});
  const ui::MessageBoxView noDevice = user.WaitMessageBox();
  EXPECT_EQ(noDevice.text.find("Error accessing video capturing device."), 0u) << noDevice.text;
  EnterOn(user, noDevice.window, IDOK);
  EXPECT_TRUE(FocusOn(user, sheet, test));
  user.Keys({VK_MENU, 'X'});
  EnterOn(user, user.WaitMessageBox().window, IDYES);

  // The exit question: Escape asks, Enter continues.
  page = ShownPage(user, sheet, "Step 5--Working folder");
  EXPECT_TRUE(FocusUsable(user, sheet));
  user.Keys({VK_ESCAPE});
  HWND question = user.WaitWindow("Setup");
  EnterOn(user, question, IDOK);
  EXPECT_TRUE(FocusUsable(user, sheet));
  EXPECT_EQ(Driver::ActivePageTitle(sheet), "Step 5--Working folder");

  HWND folder = Driver::Control(page, IDC_FOLDER);
  ASSERT_TRUE(TabTo(user, sheet, folder));
  user.Keys({VK_END});
  user.Keys({VK_SHIFT, VK_HOME});
  user.TypeKeys(kWorkFolder);
  user.WaitUntil([&] { return Driver::Text(folder) == kWorkFolder; }, "the folder typed");
  user.Keys({VK_MENU, 'X'});

  // The last page: Enter finishes.
  ShownPage(user, sheet, "Bonus Package");
  EXPECT_TRUE(FocusUsable(user, sheet));
  user.Keys({VK_RETURN});
  user.WaitWindow("Installing", "#32770", 10000);
  EXPECT_EQ(setup.WaitExit(120000), 0u);
  EXPECT_EQ(SettingsLines(std::string(kWorkFolder) + "\\kq.ini").back(),
            "Kq/Password=scrambled:OVISTRA");
  CloseGroupBrowser("Quelmar Ovistra");
  RemoveTree(kWorkFolder);
}

}  // namespace
