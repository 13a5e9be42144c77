// The uninstaller's application object: checks the record, asks, removes
// what the installation record names, and hands its own file to a removal
// copy.
#pragma once

#include <string>

#include "install/InstallLog.h"
#include "platform/WinApp.h"

class Uninstallation;

class CUninstApp : public CWinApp {
 public:
  // Sets the exit code: 0 removed, 1 something could not be removed (or
  // the record was refused), 2 nothing to remove here, 3 the user answered
  // No.
  BOOL InitInstance() override;

 private:
  // A message box, or standard error when unattended; also into `log`.
  void Tell(const std::string& text, UINT icon, InstallLog* log) const;
  // Says which files other programs hold, until they are free or the user
  // lets the rest go ahead; false when the user stopped.
  bool FilesAreFree(Uninstallation& removal, InstallLog& log) const;

  bool m_bUnattended = false;
};
