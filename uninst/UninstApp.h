// The uninstaller's application object: asks, removes what the
// installation record names, and hands its own file to a removal copy.
#pragma once

#include "platform/WinApp.h"

class CUninstApp : public CWinApp {
 public:
  // Sets the exit code: 0 removed, 1 something could not be removed,
  // 2 nothing to remove, 3 the user answered No.
  BOOL InitInstance() override;
};
