// The application object: start-up, configuration and the choice of mode.
#pragma once

#include "core/SetupState.h"
#include "platform/WinApp.h"

class CSetupApp : public CWinApp, public SetupState {
 public:
  CSetupApp();
  // Reads the configuration and runs the chosen mode; always FALSE, so the
  // program ends when it returns.
  BOOL InitInstance() override;
  // Finds the configuration file beside the program and reads the branding
  // and the title from it.
  void ReadConfiguration();

 private:
  void FindSetupIni();
  void RunInstallMode();
};

extern CSetupApp theApp;
