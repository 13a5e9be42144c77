// The user password page as the user meets it: masked capitals, 15
// characters at most, the mismatch dialog on Next, Back always allowed.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "resources/dlg130-password.h"
#include "tests/support/Spellings.h"
#include "tests/wine/WizardRun.h"

namespace {

using ui::Driver;
using ui::WizardButton;

constexpr char kPage[] = "Step2--User Password";
constexpr char kNextPage[] = "Step3--Internet connection";
constexpr char kMismatch[] = "Passwords do not match";
constexpr UINT kPasswordPage = 1;

// Pastes through the clipboard over the field's whole text, as Ctrl+V does.
void Paste(const Driver& user, HWND page, int id, const std::string& text) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
  GlobalUnlock(memory);
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  SetClipboardData(CF_TEXT, memory);
  CloseClipboard();
  HWND field = Driver::Control(page, id);
  SendMessageA(field, EM_SETSEL, 0, -1);
  SendMessageA(field, WM_PASTE, 0, 0);
  user.Sync(page);
}

// Types both entries into empty fields.
void TypeBoth(HWND page, const std::string& password, const std::string& confirm) {
  wizard_run::TypeKeys(page, IDC_PASSWORD, password);
  wizard_run::TypeKeys(page, IDC_CONFIRM, confirm);
}

TEST(PasswordPage, ShowsMasksKeepsCapitalsAndTakesFifteenCharacters) {
  CProp wizard(wizard_run::kCaption, nullptr, kPasswordPage);
  const INT_PTR result = wizard_run::Run(wizard, kPage, [](const Driver& user, HWND sheet) {
    HWND page = Driver::ActivePage(sheet);
    for (int id : {IDC_PASSWORD, IDC_CONFIRM}) {
      EXPECT_NE(SendMessageA(Driver::Control(page, id), EM_GETPASSWORDCHAR, 0, 0), 0) << id;
      EXPECT_TRUE(Driver::Style(page, id) & ES_UPPERCASE) << id;
    }
    // Typed: lower case comes out in capitals, the 16th key is refused.
    wizard_run::TypeKeys(page, IDC_PASSWORD, "secret-Word_123456789");
    EXPECT_EQ(Driver::Text(page, IDC_PASSWORD), "SECRET-WORD_123");
    // Pasted: cut at 15 characters too.
    Paste(user, page, IDC_CONFIRM, "SECRET-WORD_123456789");
    EXPECT_EQ(Driver::Text(page, IDC_CONFIRM), "SECRET-WORD_123");
    wizard_run::Screenshot(user, sheet, "page-password");
    user.Press(sheet, WizardButton::Next);
    user.WaitPage(sheet, kNextPage);
    wizard_run::CancelAndExit(user, sheet);
  });
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_TRUE(wizard.m_pagePassword.m_bMatched);
  EXPECT_EQ(wizard.m_pagePassword.m_strPassword, "SECRET-WORD_123");
  EXPECT_EQ(wizard.m_pagePassword.m_strConfirm, "SECRET-WORD_123");
}

TEST(PasswordPage, NextComparesTheEntriesExactly) {
  const struct {
    const char* password;
    const char* confirm;
    bool matched;
    const char* kept;  // the password the page keeps
  } cases[] = {
      {"", "", true, ""},                           // the password is optional
      {"video", "VIDEO", true, "VIDEO"},            // both fields hold capitals
      {"channel1", "channel2", false, "CHANNEL1"},  // same length, one character differs
      {"channel", "", false, "CHANNEL"},            // different lengths
      {"abc", "abc ", false, "ABC"},                // a trailing blank counts
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.password) + " / " + c.confirm);
    CProp wizard(wizard_run::kCaption, nullptr, kPasswordPage);
    wizard_run::Run(wizard, kPage, [&](const Driver& user, HWND sheet) {
      HWND page = Driver::ActivePage(sheet);
      TypeBoth(page, c.password, c.confirm);
      user.Press(sheet, WizardButton::Next);
      if (c.matched) {
        user.WaitPage(sheet, kNextPage);
        wizard_run::CancelAndExit(user, sheet);
        return;
      }
      HWND mismatch = user.WaitWindow(kMismatch);
      EXPECT_NE(
          Driver::ControlByText(mismatch, "The passwords do not match. Please type them again."),
          nullptr);
      EXPECT_EQ(Driver::Text(mismatch, IDOK), "OK");
      user.Click(mismatch, IDOK);
      user.WaitGone(mismatch);
      user.Sync(sheet);
      // Shown once; the page stays with both entries as typed.
      for (HWND window : user.TopWindows()) EXPECT_NE(Driver::Text(window), kMismatch);
      EXPECT_EQ(Driver::ActivePageTitle(sheet), kPage);
      EXPECT_EQ(Driver::Text(page, IDC_PASSWORD), c.kept);
      EXPECT_EQ(Driver::Text(page, IDC_CONFIRM), Upper(c.confirm));
      // Corrected, the entries are accepted.
      user.SetText(page, IDC_CONFIRM, "");
      wizard_run::TypeKeys(page, IDC_CONFIRM, c.password);
      user.Press(sheet, WizardButton::Next);
      user.WaitPage(sheet, kNextPage);
      wizard_run::CancelAndExit(user, sheet);
    });
    EXPECT_TRUE(wizard.m_pagePassword.m_bMatched);
    EXPECT_EQ(wizard.m_pagePassword.m_strPassword, c.kept);
  }
}

TEST(PasswordPage, MismatchDialogEndsWithEscapeToo) {
  CProp wizard(wizard_run::kCaption, nullptr, kPasswordPage);
  wizard_run::Run(wizard, kPage, [](const Driver& user, HWND sheet) {
    HWND page = Driver::ActivePage(sheet);
    TypeBoth(page, "one", "two");
    user.Press(sheet, WizardButton::Next);
    HWND mismatch = user.WaitWindow(kMismatch);
    ui::Screenshot("password-mismatch");
    PostMessageA(mismatch, WM_COMMAND, IDCANCEL, 0);  // what Escape sends
    user.WaitGone(mismatch);
    EXPECT_EQ(Driver::ActivePageTitle(sheet), kPage);
    wizard_run::CancelAndExit(user, sheet);
  });
  EXPECT_FALSE(wizard.m_pagePassword.m_bMatched);
  EXPECT_EQ(wizard.m_pagePassword.m_strPassword, "ONE");
  EXPECT_EQ(wizard.m_pagePassword.m_strConfirm, "TWO");
}

TEST(PasswordPage, BackIsAllowedAndReturningShowsTheEntriesLeft) {
  CProp wizard(wizard_run::kCaption, nullptr, kPasswordPage);
  wizard_run::Run(wizard, kPage, [](const Driver& user, HWND sheet) {
    HWND page = Driver::ActivePage(sheet);
    user.WaitUntil([&] { return Driver::IsWizardButtonEnabled(sheet, WizardButton::Back); },
                   "Back offered");
    TypeBoth(page, "left", "different");
    user.Press(sheet, WizardButton::Back);
    user.WaitPage(sheet, "LICENSE AGREEMENT");
    for (HWND window : user.TopWindows()) EXPECT_NE(Driver::Text(window), kMismatch);
    user.Press(sheet, WizardButton::Next);
    user.WaitPage(sheet, kPage);
    EXPECT_EQ(Driver::Text(page, IDC_PASSWORD), "LEFT");
    EXPECT_EQ(Driver::Text(page, IDC_CONFIRM), "DIFFERENT");
    wizard_run::CancelAndExit(user, sheet);
  });
  EXPECT_EQ(wizard.m_pagePassword.m_strPassword, "LEFT");
  EXPECT_EQ(wizard.m_pagePassword.m_strConfirm, "DIFFERENT");
}

}  // namespace
