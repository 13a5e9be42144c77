#include "platform/Wnd.h"

CString GetWindowString(HWND window) {
  const int length = GetWindowTextLengthA(window);
  CString text(static_cast<size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(window, &text[0], length + 1);
  text.resize(copied > 0 ? copied : 0);
  return text;
}

CString CWnd::GetDlgItemText(int id) const { return GetWindowString(GetDlgItem(id)); }
