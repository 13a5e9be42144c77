// Steps that every walk through setup.exe's wizard takes, whatever its
// means of input.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tests/driver/UiDriver.h"

// Waits until the licence page has relabelled the wizard's buttons.
inline void WaitAgreementButtons(const ui::Driver& user, HWND sheet) {
  HWND next = ui::Driver::WizardButtonWindow(sheet, ui::WizardButton::Next);
  user.WaitUntil([&] { return ui::Driver::Text(next) == "I &Accept >"; },
                 "the agreement's buttons");
}

// The page titled `title` once it is shown and its own posted work (the
// button request among it) is done.
inline HWND ShownPage(const ui::Driver& user, HWND sheet, const std::string& title) {
  HWND page = user.WaitPage(sheet, title);
  ui::Driver::Sync(sheet);
  return page;
}

// From the licence to the working folder page, answered as a user answers
// on a machine without a capture device: the confirmation mistyped once,
// then `password` in both fields; the Internet page as offered; on the
// camera page Next before any test, then the test that finds no device and
// Yes to going on all the same. `probe`, when given, sees each modal window
// met over the sheet (the password mismatch, the camera page's first
// message) before it is answered; `shown`, when given, sees each page once
// it is shown. Returns the working folder page.
inline HWND WalkToWorkFolder(const ui::Driver& user, HWND sheet, const std::string& password,
                             const std::function<void(HWND upper)>& probe = nullptr,
                             const std::function<void(HWND page)>& shown = nullptr) {
  using ui::Driver;
  using ui::WizardButton;
  WaitAgreementButtons(user, sheet);
  user.Press(sheet, WizardButton::Next);

  HWND page = ShownPage(user, sheet, "Step2--User Password");
  if (shown) shown(page);
  const std::vector<HWND> fields = Driver::ControlsOfClass(page, "Edit");
  SetWindowTextA(fields.at(0), password.c_str());
  SetWindowTextA(fields.at(1), (password + "X").c_str());
  user.Press(sheet, WizardButton::Next);
  HWND mismatch = user.WaitWindow("Passwords do not match");
  if (probe) probe(mismatch);
  user.Click(mismatch, IDOK);
  user.WaitGone(mismatch);
  SetWindowTextA(fields.at(1), password.c_str());
  user.Press(sheet, WizardButton::Next);

  page = ShownPage(user, sheet, "Step3--Internet connection");
  if (shown) shown(page);
  user.Press(sheet, WizardButton::Next);

  page = ShownPage(user, sheet, "Step4--Camera settings");
  if (shown) shown(page);
  user.Press(sheet, WizardButton::Next);
  const ui::MessageBoxView untested = user.WaitMessageBox();
  if (untested.text != "Please test your camera/video capture device connection first.")
    throw ui::Failure("the camera page asked \"" + untested.text + "\"");
  if (probe) probe(untested.window);
  user.Answer(untested, IDOK);
  user.ClickText(page, "Test connection");
  user.Answer(user.WaitMessageBox(), IDOK);
  user.Press(sheet, WizardButton::Next);
  user.Answer(user.WaitMessageBox(), IDYES);
  page = ShownPage(user, sheet, "Step 5--Working folder");
  if (shown) shown(page);
  return page;
}
