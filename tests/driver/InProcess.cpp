#include "tests/driver/InProcess.h"

#include <gtest/gtest.h>

#include <atomic>
#include <commctrl.h>
#include <exception>
#include <prsht.h>
#include <thread>

namespace ui {
namespace {

// Cancels whatever the script left open: sheets by their Cancel button,
// dialogs and message boxes by Cancel or No.
void CancelEverything(const Driver& driver) {
  for (HWND window : driver.TopWindows()) {
    if (SendMessageA(window, PSM_GETCURRENTPAGEHWND, 0, 0)) {
      PostMessageA(window, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    } else {
      PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
      PostMessageA(window, WM_COMMAND, IDNO, 0);
    }
  }
}

}  // namespace

INT_PTR RunWithUser(const std::function<INT_PTR()>& show,
                    const std::function<void(Driver&)>& user) {
  std::atomic<bool> shown{false};
  std::exception_ptr failure;
  std::thread script([&] {
    Driver driver;
    try {
      user(driver);
    } catch (...) {
      failure = std::current_exception();
      for (int i = 0; i < 100 && !shown; ++i) {
        CancelEverything(driver);
        Sleep(100);
      }
    }
  });
  const INT_PTR result = show();
  shown = true;
  script.join();
  if (failure) {
    try {
      std::rethrow_exception(failure);
    } catch (const std::exception& e) {
      ADD_FAILURE() << "user script: " << e.what();
    }
  }
  return result;
}

}  // namespace ui
