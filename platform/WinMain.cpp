#include "platform/WinApp.h"

// The application object was constructed with the program's statics; its
// start-up is the whole run.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  CWinApp* app = AfxGetApp();
  if (!app) return 0;
  app->InitInstance();
  return app->m_nExitCode;
}
