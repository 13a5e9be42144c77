// The wizard's frame as the user meets it: page order and titles, the
// buttons each page offers, the exit question, Finish.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/SetupApp.h"
#include "tests/driver/InProcess.h"
#include "wizard/Prop.h"

namespace {

using ui::Driver;
using ui::WizardButton;

const std::vector<std::string> kTitles = {"LICENSE AGREEMENT",          "Step2--User Password",
                                          "Step3--Internet connection", "Step4--Camera settings",
                                          "Step 5--Working folder",     "Bonus Package"};

// Runs the real wizard sheet from `startPage` with `user` acting on it.
INT_PTR RunWizard(UINT startPage, const std::function<void(const Driver&, HWND)>& user) {
  CProp wizard("Quelmar Ovistra Setup   Ver. 1.64", nullptr, startPage);
  theApp.m_pWizard = &wizard;
  wizard.SetWizardMode();
  const INT_PTR result = ui::RunWithUser([&] { return wizard.DoModal(); },
                                         [&](Driver& driver) {
                                           HWND sheet = driver.WaitWindow(kTitles[startPage]);
                                           user(driver, sheet);
                                         });
  theApp.m_pWizard = nullptr;
  return result;
}

struct Buttons {
  bool back, next, finish;
  bool operator==(const Buttons& o) const {
    return back == o.back && next == o.next && finish == o.finish;
  }
};

Buttons Offered(HWND sheet) {
  return {Driver::IsWizardButtonEnabled(sheet, WizardButton::Back),
          Driver::IsWizardButtonEnabled(sheet, WizardButton::Next),
          Driver::IsWizardButtonEnabled(sheet, WizardButton::Finish)};
}

void WaitButtons(const Driver& user, HWND sheet, Buttons expected, const std::string& page) {
  user.WaitUntil([&] { return Offered(sheet) == expected; },
                 "the buttons of \"" + page + "\" (back " + std::to_string(expected.back) +
                     ", next " + std::to_string(expected.next) + ", finish " +
                     std::to_string(expected.finish) + ")");
}

Buttons ButtonsOf(size_t page) {
  const bool last = page + 1 == kTitles.size();
  return {page > 0, !last, last};
}

TEST(WizardFrame, PagesComeInOrderWithTheirTitlesAndButtons) {
  // Back is always allowed, so the order is walked from the last page.
  const INT_PTR result = RunWizard(5, [](const Driver& user, HWND sheet) {
    EXPECT_NE(SendMessageA(sheet, WM_GETICON, ICON_SMALL, 0), 0) << "the sheet's icon";
    for (size_t page = kTitles.size(); page-- > 0;) {
      user.WaitPage(sheet, kTitles[page]);
      user.WaitWindow(kTitles[page]);  // the sheet shows the page's title
      WaitButtons(user, sheet, ButtonsOf(page), kTitles[page]);
      if (page > 0) user.Press(sheet, WizardButton::Back);
    }
    user.Press(sheet, WizardButton::Cancel);
  });
  EXPECT_EQ(result, IDCANCEL);
}

// Measured on whatever screen the session has: centred on its work area
// with the size the sheet has once it fits its pages.
TEST(WizardFrame, TheSheetIsCentredOnTheScreen) {
  RECT work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  RunWizard(0, [&](const Driver& user, HWND sheet) {
    RECT frame;
    GetWindowRect(sheet, &frame);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    EXPECT_EQ(frame.left, work.left + (work.right - work.left - width) / 2);
    EXPECT_EQ(frame.top, work.top + (work.bottom - work.top - height) / 2);
    user.Press(sheet, WizardButton::Cancel);
    user.WaitGone(sheet);
  });
}

TEST(WizardFrame, CancelOnTheFirstPageEndsAtOnce) {
  const INT_PTR result = RunWizard(0, [](const Driver& user, HWND sheet) {
    user.Press(sheet, WizardButton::Cancel);
    user.WaitGone(sheet);
  });
  EXPECT_EQ(result, IDCANCEL);
}

TEST(WizardFrame, LaterPagesAskBeforeEndingContinueStaysAndExitEnds) {
  for (UINT page = 1; page < kTitles.size(); ++page) {
    SCOPED_TRACE(kTitles[page]);
    const INT_PTR result = RunWizard(page, [&](const Driver& user, HWND sheet) {
      user.Press(sheet, WizardButton::Cancel);
      HWND question = user.WaitWindow("Setup");
      EXPECT_NO_THROW(Driver::ControlByText(question, "The setup process is not complete!"));
      EXPECT_NO_THROW(Driver::ControlByText(
          question, "If you exit now, the program may not be installed correctly."));
      EXPECT_EQ(Driver::Text(question, IDOK), "&Continue");
      EXPECT_EQ(Driver::Text(question, IDCANCEL), "&Exit");
      user.Click(question, IDOK);
      user.WaitGone(question);
      EXPECT_EQ(Driver::ActivePageTitle(sheet), kTitles[page]);
      EXPECT_TRUE(IsWindowVisible(sheet));

      user.Press(sheet, WizardButton::Cancel);
      question = user.WaitWindow("Setup");
      if (page == 3) ui::Screenshot("exit-question");
      user.Click(question, IDCANCEL);
      user.WaitGone(sheet);
    });
    EXPECT_EQ(result, IDCANCEL);
  }
}

TEST(WizardFrame, EscapeInTheQuestionMeansExit) {
  const INT_PTR result = RunWizard(1, [](const Driver& user, HWND sheet) {
    user.Press(sheet, WizardButton::Cancel);
    HWND question = user.WaitWindow("Setup");
    HWND focus = Driver::Focus(question);
    PostMessageA(focus ? focus : question, WM_KEYDOWN, VK_ESCAPE, 1);
    user.WaitGone(sheet);
  });
  EXPECT_EQ(result, IDCANCEL);
}

TEST(WizardFrame, EnterOnTheLastPageFinishes) {
  const INT_PTR result = RunWizard(5, [](const Driver& user, HWND sheet) {
    WaitButtons(user, sheet, ButtonsOf(5), kTitles[5]);
    HWND finish = Driver::WizardButtonWindow(sheet, WizardButton::Finish);
    user.WaitUntil([&] { return SendMessageA(finish, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON; },
                   "Finish as the default button");
    HWND focus = Driver::Focus(sheet);
    PostMessageA(focus ? focus : sheet, WM_KEYDOWN, VK_RETURN, 1);
    user.WaitGone(sheet);
  });
  EXPECT_EQ(result, ID_WIZFINISH);
}

}  // namespace
