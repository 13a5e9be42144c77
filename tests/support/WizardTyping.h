// A walk through setup.exe's wizard that types its answers as a user does,
// so that the pages' own handling of typed text (upper-casing, limits) is
// what reaches the installation.
#pragma once

#include <string>

#include "resources/dlg130-password.h"
#include "resources/dlg131-internet.h"
#include "resources/dlg134-work-folder.h"
#include "tests/driver/UiDriver.h"
#include "tests/support/WizardWalk.h"

// The wizard walked as a user from the licence to Finish, typing the
// answers of a dial-up installation into the pages: password "letmein",
// the proxy address typed while its box is ticked, then dial-up as "jdoe",
// "dialsecret", "555-0199"; the camera test without a device; the working
// folder `work`. The same answers as an unattended run's with those texts.
inline void WalkTheWizardTyping(const ui::Driver& user, const std::string& work) {
  HWND sheet = user.WaitWindow("LICENSE AGREEMENT", "#32770", 15000);
  WaitAgreementButtons(user, sheet);
  user.Press(sheet, ui::WizardButton::Next);

  HWND page = ShownPage(user, sheet, "Step2--User Password");
  user.Type(page, IDC_PASSWORD, "letmein");
  user.Type(page, IDC_CONFIRM, "letmein");
  user.Press(sheet, ui::WizardButton::Next);

  page = ShownPage(user, sheet, "Step3--Internet connection");
  // The address is typed while its box is ticked; dial-up then takes over
  // and the page hands the address on all the same.
  user.SetCheck(page, IDC_USE_PROXY, true);
  user.Type(page, IDC_PROXY, "proxy.example:8080");
  user.SetCheck(page, IDC_USE_DIALUP, true);
  user.Type(page, IDC_RAS_USER, "jdoe");
  user.Type(page, IDC_RAS_PASSWORD, "dialsecret");
  user.Type(page, IDC_RAS_PHONE, "555-0199");
  user.Press(sheet, ui::WizardButton::Next);

  page = ShownPage(user, sheet, "Step4--Camera settings");
  // Wine has no capture device: the test is answered, then the warning.
  user.ClickText(page, "Test connection");
  user.Answer(user.WaitMessageBox(), IDOK);
  user.Press(sheet, ui::WizardButton::Next);
  user.Answer(user.WaitMessageBox(), IDYES);

  page = ShownPage(user, sheet, "Step 5--Working folder");
  user.SetText(page, IDC_FOLDER, "");
  user.Type(page, IDC_FOLDER, work);
  user.Press(sheet, ui::WizardButton::Next);
  ShownPage(user, sheet, "Bonus Package");
  user.Press(sheet, ui::WizardButton::Finish);
}
