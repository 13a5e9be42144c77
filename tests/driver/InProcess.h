// Runs our own windows on the test's thread while a script acts as the user
// from a second thread, the way a person would work the modal dialogs.
#pragma once

#include <functional>

#include "tests/driver/UiDriver.h"

namespace ui {

// Runs `show` (which opens modal windows and returns when they close) here
// and `user` beside it. A failure of the script is reported to the test;
// the windows it left open are then cancelled so that `show` returns.
INT_PTR RunWithUser(const std::function<INT_PTR()>& show, const std::function<void(Driver&)>& user);

}  // namespace ui
