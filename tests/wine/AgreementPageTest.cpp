// The licence agreement page as the user meets it: the agreement shown, the
// wizard's buttons relabelled while the page is shown and back when it is
// left, Decline ending the setup without a question.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "resources/dlg150-agreement.h"
#include "tests/wine/WizardRun.h"
#include "wizard/AgreementText.h"

namespace {

using ui::Driver;
using ui::WizardButton;

constexpr char kPage[] = "LICENSE AGREEMENT";
constexpr char kSecondPage[] = "Step2--User Password";

std::string NextCaption(HWND sheet) {
  return Driver::Text(Driver::WizardButtonWindow(sheet, WizardButton::Next));
}
std::string CancelCaption(HWND sheet) {
  return Driver::Text(Driver::WizardButtonWindow(sheet, WizardButton::Cancel));
}

void WaitCaptions(const Driver& user, HWND sheet, const std::string& next,
                  const std::string& cancel) {
  user.WaitUntil([&] { return NextCaption(sheet) == next && CancelCaption(sheet) == cancel; },
                 "buttons \"" + next + "\" and \"" + cancel + "\"");
}

class AgreementPage : public ::testing::Test {
 protected:
  AgreementPage() : m_wizard(wizard_run::kCaption, nullptr, 0) { std::remove("agreement.txt"); }
  ~AgreementPage() override { std::remove("agreement.txt"); }

  static void WriteAgreementFile(const std::string& bytes) {
    FILE* file = std::fopen("agreement.txt", "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
  }

  // Opens the wizard and returns what the agreement field shows; then
  // accepts, so that the page keeps the text, and ends the wizard.
  std::string ShownText() {
    std::string shown;
    wizard_run::Run(m_wizard, kPage, [&](const Driver& user, HWND sheet) {
      shown = Driver::Text(Driver::ActivePage(sheet), IDC_AGREEMENT_TEXT);
      user.Press(sheet, WizardButton::Next);
      user.WaitPage(sheet, kSecondPage);
      wizard_run::CancelAndExit(user, sheet);
    });
    EXPECT_EQ(m_wizard.m_pageAgreement.m_strText, shown);
    return shown;
  }

  CProp m_wizard;
};

TEST_F(AgreementPage, ShowsTheBuiltInAgreementWithoutAFile) {
  const std::string shown = ShownText();
  EXPECT_EQ(shown, BuiltInAgreementText());
  EXPECT_EQ(shown.rfind("Quelmar Labs", 0), 0u) << "starts with the company line";
}

TEST_F(AgreementPage, AnEmptyFileLeavesTheBuiltInAgreement) {
  WriteAgreementFile("");
  EXPECT_EQ(ShownText(), BuiltInAgreementText());
}

TEST_F(AgreementPage, ShowsTheFileBytesUnchanged) {
  const struct {
    const char* name;
    std::string bytes;
    std::string shown;
  } cases[] = {
      {"CR LF lines", "Our terms.\r\nSecond line.\r\n", "Our terms.\r\nSecond line.\r\n"},
      {"bare LF lines", "Line one\nLine two\n", "Line one\nLine two\n"},
      {"code page bytes", "Gew\xE4hr \xA9 1999", "Gew\xE4hr \xA9 1999"},
      {"a NUL byte", std::string("Shown\0hidden", 12), "Shown"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WriteAgreementFile(c.bytes);
    CProp wizard(wizard_run::kCaption, nullptr, 0);
    std::string shown;
    wizard_run::Run(wizard, kPage, [&](const Driver& user, HWND sheet) {
      shown = Driver::Text(Driver::ActivePage(sheet), IDC_AGREEMENT_TEXT);
      user.Press(sheet, WizardButton::Cancel);
      user.WaitGone(sheet);
    });
    EXPECT_EQ(shown, c.shown);
  }
}

TEST_F(AgreementPage, ALongFileShowsItsFirst32000Bytes) {
  std::string bytes;
  for (int line = 0; bytes.size() < 40000; ++line)
    bytes += "Clause " + std::to_string(line) + " of a long agreement.\r\n";
  WriteAgreementFile(bytes);
  EXPECT_EQ(ShownText(), bytes.substr(0, 32000));
}

TEST_F(AgreementPage, ButtonsReadAcceptAndDeclineWhileShownAndNextAndCancelAfter) {
  wizard_run::Run(m_wizard, kPage, [](const Driver& user, HWND sheet) {
    // The sheet's own captions first, relabelled a moment later.
    std::vector<std::string> seen{NextCaption(sheet)};
    user.WaitUntil(
        [&] {
          if (NextCaption(sheet) != seen.back()) seen.push_back(NextCaption(sheet));
          return seen.back() == "I &Accept >";
        },
        "Next relabelled");
    EXPECT_LE(seen.size(), 2u);
    EXPECT_TRUE(seen.front() == "&Next >" || seen.front() == "I &Accept >") << seen.front();
    WaitCaptions(user, sheet, "I &Accept >", "I &Decline");
    EXPECT_FALSE(Driver::IsWizardButtonEnabled(sheet, WizardButton::Back));
    wizard_run::Screenshot(user, sheet, "page-agreement");

    user.Press(sheet, WizardButton::Next);
    user.WaitPage(sheet, kSecondPage);
    EXPECT_EQ(NextCaption(sheet), "Ne&xt >");
    EXPECT_EQ(CancelCaption(sheet), "Cancel");

    // Coming back relabels them again.
    user.Press(sheet, WizardButton::Back);
    user.WaitPage(sheet, kPage);
    WaitCaptions(user, sheet, "I &Accept >", "I &Decline");
    user.Press(sheet, WizardButton::Next);
    user.WaitPage(sheet, kSecondPage);
    WaitCaptions(user, sheet, "Ne&xt >", "Cancel");
    wizard_run::CancelAndExit(user, sheet);
  });
}

TEST_F(AgreementPage, DeclineEndsTheWizardWithoutAQuestion) {
  const INT_PTR result = wizard_run::Run(m_wizard, kPage, [](const Driver& user, HWND sheet) {
    WaitCaptions(user, sheet, "I &Accept >", "I &Decline");
    user.Press(sheet, WizardButton::Cancel);
    user.WaitGone(sheet);
    for (HWND window : user.TopWindows()) EXPECT_NE(Driver::Text(window), "Setup");
  });
  EXPECT_EQ(result, IDCANCEL);
}

// A click into the agreement puts the focus there; the keys still work the
// wizard as on the other pages.
TEST(AgreementPageKeys, EnterAcceptsAndEscapeDeclinesWithTheFocusInTheText) {
  const struct {
    const char* name;
    WORD key;
    bool accepted;
  } cases[] = {{"Enter", VK_RETURN, true}, {"Escape", VK_ESCAPE, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CProp wizard(wizard_run::kCaption, nullptr, 0);
    const INT_PTR result = wizard_run::Run(wizard, kPage, [&](const Driver& user, HWND sheet) {
      WaitCaptions(user, sheet, "I &Accept >", "I &Decline");
      HWND text = Driver::Control(Driver::ActivePage(sheet), IDC_AGREEMENT_TEXT);
      user.ClickAt(text);
      user.WaitUntil([&] { return Driver::Focus(sheet) == text; }, "the focus in the agreement");
      user.Keys({c.key});
      if (c.accepted) {
        user.WaitPage(sheet, kSecondPage);
        wizard_run::CancelAndExit(user, sheet);
      } else {
        user.WaitGone(sheet);
      }
      for (HWND window : user.TopWindows()) EXPECT_NE(Driver::Text(window), "Setup");
    });
    EXPECT_EQ(result, IDCANCEL);
  }
}

// A system that labels its buttons in another language keeps its captions.
// The other button, labelled as the page knows it, shows that the page's
// relabelling has come and gone.
TEST_F(AgreementPage, OtherButtonCaptionsAreLeftAlone) {
  const struct {
    WizardButton foreign;
    const char* caption;
    WizardButton other;
    const char* relabelled;
  } cases[] = {{WizardButton::Next, "&Weiter >", WizardButton::Cancel, "I &Decline"},
               {WizardButton::Cancel, "Abbrechen", WizardButton::Next, "I &Accept >"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.caption);
    CProp wizard(wizard_run::kCaption, nullptr, 0);
    wizard_run::Run(wizard, kPage, [&](const Driver& user, HWND sheet) {
      user.Press(sheet, WizardButton::Next);
      user.WaitPage(sheet, kSecondPage);
      HWND foreign = Driver::WizardButtonWindow(sheet, c.foreign);
      HWND other = Driver::WizardButtonWindow(sheet, c.other);
      SetWindowTextA(foreign, c.caption);
      user.Press(sheet, WizardButton::Back);
      user.WaitPage(sheet, kPage);
      user.WaitUntil([&] { return Driver::Text(other) == c.relabelled; }, c.relabelled);
      EXPECT_EQ(Driver::Text(foreign), c.caption);
      user.Press(sheet, WizardButton::Cancel);
      user.WaitGone(sheet);
    });
  }
}

}  // namespace
