// Walks setup.exe through a whole installation the way a user would, saving
// a screenshot of every page: DemoWalk.exe DISTRIBUTION_FOLDER WORKING_FOLDER
#include <cstdio>
#include <string>

#include "tests/driver/Process.h"
#include "tests/driver/UiDriver.h"

#include <commctrl.h>

namespace {

using ui::Driver;
using ui::WizardButton;

constexpr int kInstallTimeoutMs = 300000;

void Say(const std::string& text) {
  std::printf("demo: %s\n", text.c_str());
  std::fflush(stdout);
}

HWND ShowPage(const Driver& user, HWND sheet, const std::string& title, const char* shot) {
  HWND page = user.WaitPage(sheet, title);
  user.WaitUntil(
      [&] {
        return Driver::IsWizardButtonEnabled(sheet, WizardButton::Back) ||
               title == "LICENSE AGREEMENT";
      },
      "the buttons of \"" + title + "\"");
  Sleep(300);  // the page's own timers and repaint
  Say("page \"" + title + "\"");
  ui::Screenshot(shot);
  return page;
}

// Answers every message box that comes within a short while with `button`.
void AnswerMessages(const Driver& user, int button) {
  for (;;) {
    ui::MessageBoxView box;
    try {
      box = user.WaitMessageBox(1500);
    } catch (const ui::Failure&) {
      return;
    }
    Say("message \"" + box.text + "\"");
    user.Answer(box, button);
  }
}

void Walk(const std::string& dist, const std::string& folder) {
  ui::Process setup("\"" + dist + "\\setup.exe\"", dist);
  const Driver user(setup.Id());
  HWND sheet = user.WaitWindow("LICENSE AGREEMENT", "#32770", 10000);

  ShowPage(user, sheet, "LICENSE AGREEMENT", "01-agreement");
  user.WaitUntil(
      [&] {
        return Driver::Text(Driver::WizardButtonWindow(sheet, WizardButton::Next)) == "I &Accept >";
      },
      "\"I &Accept >\"");
  ui::Screenshot("01-agreement");
  user.Press(sheet, WizardButton::Next);

  HWND page = ShowPage(user, sheet, "Step2--User Password", "02-password");
  for (HWND field : Driver::ControlsOfClass(page, "Edit")) {
    for (char c : std::string("ovistra")) PostMessageA(field, WM_CHAR, c, 1);
  }
  Driver::Sync(page);
  ui::Screenshot("02-password");
  user.Press(sheet, WizardButton::Next);

  ShowPage(user, sheet, "Step3--Internet connection", "03-internet");
  user.Press(sheet, WizardButton::Next);

  page = ShowPage(user, sheet, "Step4--Camera settings", "04-camera");
  user.ClickText(page, "Test connection");
  AnswerMessages(user, IDOK);
  user.Press(sheet, WizardButton::Next);
  AnswerMessages(user, IDYES);

  page = ShowPage(user, sheet, "Step 5--Working folder", "05-work-folder");
  SendMessageA(Driver::ControlsOfClass(page, "Edit").at(0), WM_SETTEXT, 0,
               reinterpret_cast<LPARAM>(folder.c_str()));
  ui::Screenshot("05-work-folder");
  user.Press(sheet, WizardButton::Next);

  ShowPage(user, sheet, "Bonus Package", "06-bonus");
  user.Press(sheet, WizardButton::Finish);

  HWND installing = user.WaitWindow("Installing", "#32770", 10000);
  Say("installing");
  HWND bar = Driver::ControlsOfClass(installing, PROGRESS_CLASSA).at(0);
  user.WaitUntil([&] { return SendMessageA(bar, PBM_GETPOS, 0, 0) >= 12; }, "progress");
  ui::Screenshot("07-installing");
  const DWORD code = setup.WaitExit(kInstallTimeoutMs);
  Say("setup.exe ended with " + std::to_string(code));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: DemoWalk DISTRIBUTION_FOLDER WORKING_FOLDER\n");
    return 2;
  }
  try {
    Walk(argv[1], argv[2]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "demo: %s\n", e.what());
    ui::Screenshot("failure");
    return 1;
  }
  return 0;
}
