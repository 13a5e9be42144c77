// The working folder page as the user meets it: "c:\kq" at first, Browse
// through the real save-file dialog, the folder kept when the page is left.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "platform/Folders.h"
#include "resources/dlg134-work-folder.h"
#include "tests/support/Spellings.h"
#include "tests/wine/WizardRun.h"

namespace {

using ui::Driver;
using ui::WizardButton;

constexpr char kPage[] = "Step 5--Working folder";
constexpr char kPreviousPage[] = "Step4--Camera settings";
constexpr char kNextPage[] = "Bonus Package";
constexpr char kFileDialog[] = "Select Working folder";
constexpr UINT kWorkFolderPage = 4;
// The file name field of the save-file dialog is the edit of this combo box.
constexpr int kFileNameCombo = 0x47c;

BOOL CALLBACK FindEdit(HWND child, LPARAM found) {
  char name[16] = {};
  GetClassNameA(child, name, sizeof name);
  if (lstrcmpiA(name, "Edit") != 0) return TRUE;
  *reinterpret_cast<HWND*>(found) = child;
  return FALSE;
}

// The edit field inside a control, at any depth (the Explorer-style dialog
// may nest it in a combo box inside a ComboBoxEx).
HWND EditInside(HWND control) {
  HWND found = nullptr;
  EnumChildWindows(control, &FindEdit, reinterpret_cast<LPARAM>(&found));
  return found;
}

// Presses Browse, and in the file dialog types `name` and presses the
// button `answer`.
void Browse(const Driver& user, HWND page, const std::string& name, int answer) {
  user.Click(page, IDC_BROWSE);
  HWND dialog = user.WaitWindow(kFileDialog);
  HWND field = EditInside(Driver::Control(dialog, kFileNameCombo));
  ASSERT_NE(field, nullptr);
  EXPECT_EQ(Driver::Text(field), ".");
  SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.c_str()));
  user.Click(dialog, answer);
  user.WaitGone(dialog);
  user.Sync(page);
}

TEST(WorkFolderPage, StartsWithTheDefaultFolderWhateverTheFieldHeld) {
  CProp wizard(wizard_run::kCaption, nullptr, kWorkFolderPage);
  wizard.m_pageWorkFolder.m_strFolder = "x:\\preset";
  wizard_run::Run(wizard, kPage, [](const Driver& user, HWND sheet) {
    HWND page = Driver::ActivePage(sheet);
    EXPECT_EQ(Driver::Text(page, IDC_FOLDER), "c:\\kq");
    EXPECT_EQ(Driver::Text(page, IDC_BROWSE), "&Browse");
    EXPECT_NE(Driver::ControlByText(page, "Please select the working folder"), nullptr);
    EXPECT_NE(Driver::ControlByText(page, "Working folder:"), nullptr);
    user.WaitUntil([&] { return Driver::IsWizardButtonEnabled(sheet, WizardButton::Back); },
                   "Back offered");
    wizard_run::Screenshot(user, sheet, "page-work-folder");
    user.Press(sheet, WizardButton::Next);
    user.WaitPage(sheet, kNextPage);
    wizard_run::CancelAndExit(user, sheet);
  });
  EXPECT_EQ(wizard.m_pageWorkFolder.m_strFolder, "c:\\kq");
}

TEST(WorkFolderPage, NextKeepsTheFolderAsTheInstallationUsesIt) {
  const struct {
    const char* typed;
    const char* kept;
  } cases[] = {
      {"d:\\apps\\video", "d:\\apps\\video"},
      {"d:\\apps\\", "d:\\apps"},  // no trailing backslash
      {"C:\\", "C:"},              // a drive's root
      {"", "c:\\kq"},              // nothing typed: the default
      {"apps\\video", "c:\\kq"},   // no drive: the default
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    CProp wizard(wizard_run::kCaption, nullptr, kWorkFolderPage);
    wizard_run::Run(wizard, kPage, [&](const Driver& user, HWND sheet) {
      HWND page = Driver::ActivePage(sheet);
      user.SetText(page, IDC_FOLDER, "");
      wizard_run::TypeKeys(page, IDC_FOLDER, c.typed);
      user.Press(sheet, WizardButton::Next);
      user.WaitPage(sheet, kNextPage);
      wizard_run::CancelAndExit(user, sheet);
    });
    EXPECT_EQ(wizard.m_pageWorkFolder.m_strFolder, c.kept);
  }
}

TEST(WorkFolderPage, BackAndReturnShowTheTextLeftThere) {
  CProp wizard(wizard_run::kCaption, nullptr, kWorkFolderPage);
  wizard_run::Run(wizard, kPage, [](const Driver& user, HWND sheet) {
    HWND page = Driver::ActivePage(sheet);
    user.SetText(page, IDC_FOLDER, "");
    wizard_run::TypeKeys(page, IDC_FOLDER, "e:\\mine\\");
    user.Press(sheet, WizardButton::Back);
    user.WaitPage(sheet, kPreviousPage);
    wizard_run::PassCameraPage(user, sheet);
    user.WaitPage(sheet, kPage);
    EXPECT_EQ(Driver::Text(page, IDC_FOLDER), "e:\\mine\\");
    wizard_run::CancelAndExit(user, sheet);
  });
  EXPECT_EQ(wizard.m_pageWorkFolder.m_strFolder, "e:\\mine\\");
}

// 219 characters leave room for the longest name the installation writes
// there, a product file's 39 characters, within 259.
TEST(WorkFolderPage, FolderLongerThanEveryWrittenPathAllowsIsRefused) {
  CProp wizard(wizard_run::kCaption, nullptr, kWorkFolderPage);
  const std::string longest = "c:\\" + std::string(216, 'a');
  wizard_run::Run(wizard, kPage, [&](const Driver& user, HWND sheet) {
    HWND page = Driver::ActivePage(sheet);
    // Typing stops at 219 characters.
    user.SetText(page, IDC_FOLDER, "");
    wizard_run::TypeKeys(page, IDC_FOLDER, longest + "bbb");
    EXPECT_EQ(Driver::Text(page, IDC_FOLDER), longest);
    // A longer text put there otherwise (as Browse may) is refused on Next.
    user.SetText(page, IDC_FOLDER, longest + "b");
    user.Press(sheet, WizardButton::Next);
    const ui::MessageBoxView box = user.WaitMessageBox();
    EXPECT_EQ(
        box.text,
        "The working folder may hold at most 219 characters. Please choose a shorter folder.");
    user.Answer(box, IDOK);
    EXPECT_EQ(Driver::ActivePageTitle(sheet), kPage);
    EXPECT_EQ(Driver::Text(page, IDC_FOLDER), longest + "b");
    user.SetText(page, IDC_FOLDER, longest);
    user.Press(sheet, WizardButton::Next);
    user.WaitPage(sheet, kNextPage);
    wizard_run::CancelAndExit(user, sheet);
  });
  EXPECT_EQ(wizard.m_pageWorkFolder.m_strFolder, longest);
}

TEST(WorkFolderPage, BrowsePutsTheChosenFolderIntoTheField) {
  const std::string home = GetCurrentFolder();
  const std::string start = home + "\\Browse Here";
  CreateDirectoryA(start.c_str(), nullptr);
  const struct {
    const char* name;
    int answer;
    std::string field;
  } cases[] = {
      {"cam.exe", IDOK, start},      // a name in the folder shown first
      {"cam", IDOK, start},          // the dialog adds ".exe"
      {"C:\\cam.exe", IDOK, "C:"},   // a file in a drive's root
      {"cam.exe", IDCANCEL, start},  // cancelled: unchanged
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.name) + (c.answer == IDOK ? " OK" : " Cancel"));
    CProp wizard(wizard_run::kCaption, nullptr, kWorkFolderPage);
    wizard_run::Run(wizard, kPage, [&](const Driver& user, HWND sheet) {
      HWND page = Driver::ActivePage(sheet);
      // The dialog opens on the folder the field names.
      user.SetText(page, IDC_FOLDER, start);
      Browse(user, page, c.name, c.answer);
      EXPECT_EQ(Driver::Text(page, IDC_FOLDER), c.field);
      // The pictures and the installation find the distribution there.
      EXPECT_EQ(GetCurrentFolder(), home) << "the current folder stays";
      user.Press(sheet, WizardButton::Next);
      user.WaitPage(sheet, kNextPage);
      wizard_run::CancelAndExit(user, sheet);
    });
    EXPECT_EQ(wizard.m_pageWorkFolder.m_strFolder, c.field);
  }
}

// Installing into the distribution's own folder would overwrite and then
// delete its pieces: the page refuses that folder however it is spelt.
TEST(WorkFolderPage, TheDistributionsOwnFolderIsRefused) {
  const std::string dist = GetCurrentFolder() + "\\Dist Here";
  CreateDirectoryA(dist.c_str(), nullptr);
  std::snprintf(theApp.m_szSetupDir, kTextSize, "%s", dist.c_str());
  // The short name is a spelling that only the file system's own identity
  // of the folder ties to the long one.
  const std::string shortName = ShortPath(dist);
  ASSERT_NE(Upper(shortName), Upper(dist)) << "the folder has a short name of its own";
  CProp wizard(wizard_run::kCaption, nullptr, kWorkFolderPage);
  wizard_run::Run(wizard, kPage, [&](const Driver& user, HWND sheet) {
    HWND page = Driver::ActivePage(sheet);
    for (const std::string& spelling : {dist, Upper(dist) + "\\", dist + "\\.", shortName}) {
      user.SetText(page, IDC_FOLDER, spelling);
      user.Press(sheet, WizardButton::Next);
      const ui::MessageBoxView box = user.WaitMessageBox();
      EXPECT_EQ(box.text,
                "The setup files are in this folder. Please choose another working folder.")
          << spelling;
      user.Answer(box, IDOK);
      EXPECT_EQ(Driver::ActivePageTitle(sheet), kPage) << spelling;
    }
    user.SetText(page, IDC_FOLDER, dist + "\\Product");
    user.Press(sheet, WizardButton::Next);
    user.WaitPage(sheet, kNextPage);
    wizard_run::CancelAndExit(user, sheet);
  });
  theApp.m_szSetupDir[0] = '\0';
  EXPECT_EQ(wizard.m_pageWorkFolder.m_strFolder, dist + "\\Product");
}

}  // namespace
