// Steps that every walk through setup.exe's wizard takes, whatever its
// means of input.
#pragma once

#include <string>

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
