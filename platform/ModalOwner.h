// Who owns a modal window. A modal loop disables its owner, and the owner's
// own modal loop has disabled everything below it, so the user can reach
// only the topmost window.
#pragma once

#include "platform/Win32.h"

// The top-level window of `parent`; without one, the active top-level
// window of the thread, else the window the application's main window last
// had in front. None while nothing is open yet.
HWND AfxGetModalOwner(HWND parent = nullptr);
