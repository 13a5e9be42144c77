// The application object: one static instance per program, whose start-up
// runs from WinMain.
#pragma once

#include <string>

#include "platform/Win32.h"

class CWnd;

class CWinApp {
 public:
  CWinApp();
  virtual ~CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  // Start-up; TRUE would mean "run a message loop", which this framework
  // does not offer: the program ends when start-up returns.
  virtual BOOL InitInstance() = 0;

  // Switches on the common controls' visual styles for dialogs.
  void Enable3dControls();

  HINSTANCE m_hInstance;
  // What follows the program name on the command line.
  const char* m_lpCmdLine;
  CWnd* m_pMainWnd;
  // What the process returns when start-up ends.
  int m_nExitCode = 0;
  // The program's file name without its extension; the title of every
  // message box.
  std::string m_pszAppName;
};

CWinApp* AfxGetApp();
// The module whose resources the program uses: always the program itself.
HINSTANCE AfxGetResourceHandle();
// The program's file name without its extension.
std::string AfxGetAppName();
