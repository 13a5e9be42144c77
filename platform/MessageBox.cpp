#include "platform/MessageBox.h"

#include "platform/ModalOwner.h"
#include "platform/WinApp.h"

int AfxMessageBox(const char* text, UINT type) {
  const UINT buttons = type & MB_TYPEMASK;
  if ((type & MB_ICONMASK) == 0 && (buttons == MB_OK || buttons == MB_YESNO))
    type |= MB_ICONEXCLAMATION;
  CWinApp* app = AfxGetApp();
  const std::string title = app ? app->m_pszAppName : AfxGetAppName();
  return MessageBoxA(AfxGetModalOwner(), text, title.c_str(), type);
}
