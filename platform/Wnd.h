// A window handle with the few operations the setup's windows share.
#pragma once

#include <string>

#include "platform/Win32.h"

using CString = std::string;

class CWnd {
 public:
  CWnd() : m_hWnd(nullptr) {}
  virtual ~CWnd() = default;
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  HWND GetSafeHwnd() const { return m_hWnd; }
  HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
  CString GetDlgItemText(int id) const;
  void SetDlgItemText(int id, const char* text) { ::SetDlgItemTextA(m_hWnd, id, text); }
  LRESULT SendMessage(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const {
    return ::SendMessageA(m_hWnd, msg, wp, lp);
  }
  BOOL PostMessage(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const {
    return ::PostMessageA(m_hWnd, msg, wp, lp);
  }
  void Invalidate(BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, erase); }
  void UpdateWindow() { ::UpdateWindow(m_hWnd); }

  HWND m_hWnd;
};

// Reads a window's whole text, however long.
CString GetWindowString(HWND window);
