#include "platform/ModalOwner.h"

#include "platform/WinApp.h"
#include "platform/Wnd.h"

HWND AfxGetModalOwner(HWND parent) {
  HWND owner = parent ? parent : GetActiveWindow();
  if (!owner) {
    const CWinApp* app = AfxGetApp();
    HWND main = app && app->m_pMainWnd ? app->m_pMainWnd->m_hWnd : nullptr;
    if (main) owner = GetLastActivePopup(main);
  }
  // A popup cannot be owned by a child window: its dialog owns it.
  return owner ? GetAncestor(owner, GA_ROOT) : nullptr;
}
