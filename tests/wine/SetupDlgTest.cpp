// The main window in this process, where its icon and the wizard pointer can
// be seen.
#include <gtest/gtest.h>

#include "app/SetupApp.h"
#include "app/SetupDlg.h"
#include "core/SetupConfig.h"
#include "tests/driver/InProcess.h"
#include "wizard/Prop.h"

namespace {

using ui::Driver;

// Shows the main window modally; where the system cannot make it (-1),
// the test says why in the system's words.
INT_PTR ShowMainWindow(CSetupDlg& dialog) {
  const INT_PTR result = dialog.DoModal();
  if (result == -1) ADD_FAILURE() << "the main window was not made: error " << GetLastError();
  return result;
}

TEST(SetupDlg, CarriesIcon128AndDesignatesTheWizardOnlyWhileItRuns) {
  BuildTitleFormat(theApp);
  CSetupDlg dialog(nullptr);
  ASSERT_NE(dialog.m_hIcon, nullptr);
  CProp* wizardWhileShown = nullptr;
  const INT_PTR result =
      ui::RunWithUser([&] { return ShowMainWindow(dialog); },
                      [&](Driver& user) {
                        HWND main = user.WaitWindow("", "#32770");
                        const auto icon = reinterpret_cast<LRESULT>(dialog.m_hIcon);
                        EXPECT_EQ(SendMessageA(main, WM_GETICON, ICON_BIG, 0), icon);
                        EXPECT_EQ(SendMessageA(main, WM_GETICON, ICON_SMALL, 0), icon);
                        EXPECT_EQ(SendMessageA(main, WM_QUERYDRAGICON, 0, 0), icon);
                        HWND sheet = user.WaitWindow("LICENSE AGREEMENT");
                        wizardWhileShown = theApp.m_pWizard;
                        user.Press(sheet, ui::WizardButton::Cancel);
                        user.WaitGone(main);
                      });
  EXPECT_EQ(result, IDOK);
  EXPECT_NE(wizardWhileShown, nullptr);
  EXPECT_EQ(theApp.m_pWizard, nullptr);
}

TEST(SetupDlg, PaintsItsIconWhenMinimised) {
  BuildTitleFormat(theApp);
  CSetupDlg dialog(nullptr);
  const INT_PTR result =
      ui::RunWithUser([&] { return ShowMainWindow(dialog); },
                      [&](Driver& user) {
                        HWND main = user.WaitWindow("", "#32770");
                        // Minimised once start-up is over: the wizard's
                        // start would show the window again.
                        HWND sheet = user.WaitWindow("LICENSE AGREEMENT");
                        ShowWindow(main, SW_MINIMIZE);
                        RedrawWindow(main, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
                        EXPECT_TRUE(IsIconic(main));
                        ShowWindow(main, SW_RESTORE);
                        sheet = user.WaitWindow("LICENSE AGREEMENT");
                        user.Press(sheet, ui::WizardButton::Cancel);
                        user.WaitGone(main);
                      });
  EXPECT_EQ(result, IDOK);
}

}  // namespace
