// A multi-line text field takes every key it is given, Tab, Enter and
// Escape included, so in a dialog the focus would be stuck in it and the
// default and Cancel buttons out of reach.
#pragma once

#include "platform/Win32.h"

// Leaves Tab, Enter and Escape to the dialog, as a single-line field does;
// the field keeps the arrow and page keys, so a read-only text still
// scrolls. Tab into the field keeps its view and caret where they were and
// selects nothing.
void LeaveDialogKeysToDialog(HWND field);
