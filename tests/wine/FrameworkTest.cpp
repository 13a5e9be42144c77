// The framework under Wine: a real dialog of ours with a timer, a posted
// message and a message box, and the wizard page protocol, driven as a user.
#include <gtest/gtest.h>

#include "platform/DataExchange.h"
#include "platform/MessageBox.h"
#include "platform/PropertySheet.h"
#include "platform/WinApp.h"
#include "resources/resource.h"
#include "tests/driver/InProcess.h"

namespace {

constexpr UINT kAskMessage = WM_APP + 1;
constexpr UINT_PTR kTimerId = 7;

// The exit question's template, with a timer that asks a question through
// a posted message and shows the answer in the window's caption.
class AskingDialog : public CDialog {
 public:
  AskingDialog() : CDialog(IDD_NOT_COMPLETE) {}
  int m_nTicks = 0;
  int m_nAnswer = 0;

 protected:
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    SetTimer(kTimerId, 100);
    return TRUE;
  }
  void OnTimer(UINT_PTR) override {
    ++m_nTicks;
    KillTimer(kTimerId);
    PostMessage(kAskMessage);
  }
  bool OnMessage(UINT msg, WPARAM, LPARAM, LRESULT* result) override {
    if (msg != kAskMessage) return false;
    m_nAnswer = AfxMessageBox("Go on?", MB_YESNO);
    SetWindowTextA(m_hWnd, m_nAnswer == IDYES ? "Answered yes" : "Answered no");
    *result = 1;
    return true;
  }
};

TEST(Dialog, TimerPostedMessageAndMessageBoxAsTheUserSeesThem) {
  AskingDialog dialog;
  const INT_PTR result = ui::RunWithUser([&] { return dialog.DoModal(); },
                                         [](ui::Driver& user) {
                                           HWND window = user.WaitWindow("Setup");
                                           EXPECT_EQ(ui::Driver::Text(window, IDOK), "&Continue");
                                           const ui::MessageBoxView box = user.WaitMessageBox();
                                           EXPECT_EQ(box.text, "Go on?");
                                           EXPECT_EQ(box.title, "FrameworkTest");
                                           user.Answer(box, IDYES);
                                           user.WaitWindow("Answered yes");
                                           user.Click(window, IDCANCEL);
                                           user.WaitGone(window);
                                         });
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_EQ(dialog.m_nTicks, 1);
  EXPECT_EQ(dialog.m_nAnswer, IDYES);
}

// A page whose answers the test sets, and that counts the calls it gets.
class ProtocolPage : public CPropertyPage {
 public:
  explicit ProtocolPage(UINT templateId) : CPropertyPage(templateId) {}
  BOOL m_bLeave = TRUE;
  BOOL m_bCancel = TRUE;
  int m_nNext = 0;
  int m_nKill = 0;
  int m_nFinish = 0;
  CString m_strName = "initial";

  BOOL OnKillActive() override {
    ++m_nKill;
    return CPropertyPage::OnKillActive() && m_bLeave;
  }
  LRESULT OnWizardNext() override {
    ++m_nNext;
    return CPropertyPage::OnWizardNext();
  }
  BOOL OnWizardFinish() override {
    ++m_nFinish;
    return TRUE;
  }
  BOOL OnQueryCancel() override { return m_bCancel; }

 protected:
  static constexpr int kNameField = 1000;
  BOOL OnInitDialog() override {
    // A field of its own, so data exchange has something to bind.
    CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 160, 60, 120,
                    22, m_hWnd, reinterpret_cast<HMENU>(kNameField), AfxGetResourceHandle(),
                    nullptr);
    return CPropertyPage::OnInitDialog();
  }
  void DoDataExchange(CDataExchange* dx) override {
    DDX_Text(dx, kNameField, m_strName);
    DDV_MaxChars(dx, m_strName, 8);
  }
};

class Wizard : public ::testing::Test {
 protected:
  Wizard() : m_sheet("Protocol", nullptr, 0) {
    m_sheet.AddPage(&m_first);
    m_sheet.AddPage(&m_last);
    m_sheet.SetWizardMode();
  }
  INT_PTR Run(const std::function<void(ui::Driver&, HWND)>& user) {
    return ui::RunWithUser([&] { return m_sheet.DoModal(); },
                           [&](ui::Driver& driver) {
                             HWND sheet = driver.WaitWindow(m_caption, "#32770");
                             user(driver, sheet);
                           });
  }

  ProtocolPage m_first{IDD_PASSWORD};
  ProtocolPage m_last{IDD_BONUS};
  CPropertySheet m_sheet;
  // A wizard shows its active page's title.
  std::string m_caption = "Step2--User Password";
};

TEST_F(Wizard, NextRefusedByKillActiveKeepsThePage) {
  m_first.m_bLeave = FALSE;
  const INT_PTR result = Run([](ui::Driver& user, HWND sheet) {
    user.Press(sheet, ui::WizardButton::Next);
    EXPECT_EQ(ui::Driver::ActivePageTitle(sheet), "Step2--User Password");
    user.Press(sheet, ui::WizardButton::Cancel);
  });
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_EQ(m_first.m_nNext, 1);
  EXPECT_EQ(m_first.m_nKill, 1);
}

TEST_F(Wizard, QueryCancelFalseKeepsTheWizardAndFinishEndsIt) {
  m_first.m_bCancel = FALSE;
  const INT_PTR result = Run([](ui::Driver& user, HWND sheet) {
    user.Press(sheet, ui::WizardButton::Cancel);
    EXPECT_TRUE(IsWindowVisible(sheet));
    EXPECT_EQ(ui::Driver::ActivePageTitle(sheet), "Step2--User Password");
    user.Press(sheet, ui::WizardButton::Next);
    user.WaitPage(sheet, "Bonus Package");
    user.Press(sheet, ui::WizardButton::Finish);
    user.WaitGone(sheet);
  });
  EXPECT_EQ(result, ID_WIZFINISH);
  EXPECT_EQ(m_last.m_nFinish, 1);
}

TEST_F(Wizard, TooLongTextIsRefusedWithTheStandardMessage) {
  const INT_PTR result = Run([](ui::Driver& user, HWND sheet) {
    HWND page = ui::Driver::ActivePage(sheet);
    EXPECT_EQ(ui::Driver::Text(page, 1000), "initial");
    user.SetText(page, 1000, "far too long");
    user.Press(sheet, ui::WizardButton::Next);
    const ui::MessageBoxView box = user.WaitMessageBox();
    EXPECT_EQ(box.text, "Please enter no more than 8 characters.");
    user.Answer(box, IDOK);
    EXPECT_EQ(ui::Driver::ActivePageTitle(sheet), "Step2--User Password");
    EXPECT_EQ(ui::Driver::Focus(sheet), ui::Driver::Control(page, 1000));
    user.SetText(page, 1000, "short");
    user.Press(sheet, ui::WizardButton::Next);
    user.WaitPage(sheet, "Bonus Package");
    user.Press(sheet, ui::WizardButton::Cancel);
  });
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_EQ(m_first.m_strName, "short");
}

// A page that requests its wizard buttons, optionally with nothing to tab
// to (as the licence page once was).
class RequestingPage : public CPropertyPage {
 public:
  RequestingPage(UINT templateId, DWORD buttons, bool tabStops)
      : CPropertyPage(templateId), m_buttons(buttons), m_bTabStops(tabStops) {}
  BOOL OnSetActive() override {
    ::PostMessageA(GetParent(m_hWnd), PSM_SETWIZBUTTONS, 0, m_buttons);
    return CPropertyPage::OnSetActive();
  }

 protected:
  BOOL OnInitDialog() override {
    for (HWND child = GetWindow(m_hWnd, GW_CHILD); child && !m_bTabStops;
         child = GetWindow(child, GW_HWNDNEXT))
      SetWindowLongA(child, GWL_STYLE, GetWindowLongA(child, GWL_STYLE) & ~WS_TABSTOP);
    return CPropertyPage::OnInitDialog();
  }

 private:
  DWORD m_buttons;
  bool m_bTabStops;
};

TEST(WizardFocus, ABackButtonThatItsOwnPressDisablesHandsTheFocusToTheDefaultButton) {
  RequestingPage first(IDD_AGREEMENT, PSWIZB_NEXT, false);
  RequestingPage second(IDD_BONUS, PSWIZB_BACK | PSWIZB_NEXT, true);
  CPropertySheet sheet("Focus", nullptr, 0);
  sheet.AddPage(&first);
  sheet.AddPage(&second);
  sheet.SetWizardMode();
  const auto user = [](ui::Driver& user) {
    HWND window = user.WaitWindow("LICENSE AGREEMENT");
    HWND next = ui::Driver::WizardButtonWindow(window, ui::WizardButton::Next);
    user.Press(window, ui::WizardButton::Next);
    user.WaitPage(window, "Bonus Package");
    // A click on the caption brings the sheet to the front for the keys.
    RECT frame;
    GetWindowRect(window, &frame);
    user.ClickAt(POINT{frame.left + 60, frame.top + GetSystemMetrics(SM_CYCAPTION) / 2 + 2});
    // Alt+B presses Back, which has the focus then.
    user.Keys({VK_MENU, 'B'});
    user.WaitPage(window, "LICENSE AGREEMENT");
    user.WaitUntil([&] { return ui::Driver::Focus(window) == next; }, "the focus on Next");
    user.Keys({VK_RETURN});
    user.WaitPage(window, "Bonus Package");
    user.Press(window, ui::WizardButton::Cancel);
    user.WaitGone(window);
  };
  EXPECT_EQ(ui::RunWithUser([&] { return sheet.DoModal(); }, user), IDCANCEL);
}

}  // namespace
