#pragma once

#include "platform/Win32.h"

// A message box over the active window, titled with the application name.
// OK and Yes/No boxes without an icon of the caller's get the exclamation
// icon.
int AfxMessageBox(const char* text, UINT type = MB_OK);
