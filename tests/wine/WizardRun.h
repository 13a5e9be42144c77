// Runs the real wizard sheet as the main window does, from a chosen page,
// with a script acting as the user; the page objects keep their answers
// afterwards for the test to read.
#pragma once

#include <functional>
#include <string>

#include "app/SetupApp.h"
#include "resources/dlg132-camera.h"
#include "tests/driver/InProcess.h"
#include "wizard/Prop.h"

namespace wizard_run {

constexpr char kCaption[] = "Quelmar Ovistra Setup   Ver. 1.64";

// `user` starts once the sheet shows the page titled `firstTitle`.
inline INT_PTR Run(CProp& wizard, const std::string& firstTitle,
                   const std::function<void(const ui::Driver&, HWND sheet)>& user) {
  theApp.m_pWizard = &wizard;
  wizard.SetWizardMode();
  const INT_PTR result = ui::RunWithUser([&] { return wizard.DoModal(); },
                                         [&](ui::Driver& driver) {
                                           HWND sheet = driver.WaitWindow(firstTitle);
                                           driver.WaitPage(sheet, firstTitle);
                                           user(driver, sheet);
                                         });
  theApp.m_pWizard = nullptr;
  return result;
}

// Types into a field key by key, each key handled before the next is sent,
// so that the field can be read right afterwards; the field's own rules
// (case, length limit) apply as to a user's keys.
inline void TypeKeys(HWND page, int id, const std::string& text) {
  HWND field = ui::Driver::Control(page, id);
  for (unsigned char c : text) SendMessageA(field, WM_CHAR, c, 1);
}

// Saves the screen once the sheet has painted everything it shows.
inline void Screenshot(const ui::Driver& user, HWND sheet, const std::string& name) {
  RedrawWindow(sheet, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  user.Sync(sheet);
  ui::Screenshot(name);
}

// Leaves the camera page forward on a machine without capture devices, as
// a user must: a test that finds no device, then Yes to going on anyway.
inline void PassCameraPage(const ui::Driver& user, HWND sheet) {
  user.Click(ui::Driver::ActivePage(sheet), IDC_TEST_CONNECTION);
  user.Answer(user.WaitMessageBox(), IDOK);
  user.Press(sheet, ui::WizardButton::Next);
  user.Answer(user.WaitMessageBox(), IDYES);
}

// Cancel on a page after the first, answered with "&Exit".
inline void CancelAndExit(const ui::Driver& user, HWND sheet) {
  user.Press(sheet, ui::WizardButton::Cancel);
  HWND question = user.WaitWindow("Setup");
  user.Click(question, IDCANCEL);
  user.WaitGone(sheet);
}

}  // namespace wizard_run
