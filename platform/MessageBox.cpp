#include "platform/MessageBox.h"

#include "platform/WinApp.h"
#include "platform/Wnd.h"

int AfxMessageBox(const char* text, UINT type) {
  const UINT buttons = type & MB_TYPEMASK;
  if ((type & MB_ICONMASK) == 0 && (buttons == MB_OK || buttons == MB_YESNO))
    type |= MB_ICONEXCLAMATION;
  CWinApp* app = AfxGetApp();
  HWND owner = GetActiveWindow();
  if (!owner && app && app->m_pMainWnd) owner = app->m_pMainWnd->m_hWnd;
  const std::string title = app ? app->m_pszAppName : AfxGetAppName();
  return MessageBoxA(owner, text, title.c_str(), type);
}
