#pragma once

#include "platform/Win32.h"

// A modal message box owned as AfxGetModalOwner says, titled with the
// application name. OK and Yes/No boxes without an icon of the caller's get
// the exclamation icon.
int AfxMessageBox(const char* text, UINT type = MB_OK);
