// Data exchange between a dialog's controls and its fields. A failed
// validation stops the rest of the exchange and leaves the focus on the
// field that was refused.
#pragma once

#include "platform/Wnd.h"

class CDataExchange {
 public:
  CDataExchange(CWnd* dialog, BOOL saveAndValidate)
      : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

  HWND PrepareCtrl(int id);
  void Fail();

  BOOL m_bSaveAndValidate;
  CWnd* m_pDlgWnd;
  bool m_bFailed = false;
  HWND m_hWndLastControl = nullptr;
};

void DDX_Text(CDataExchange* dx, int id, CString& value);
void DDX_CBString(CDataExchange* dx, int id, CString& value);
void DDX_Control(CDataExchange* dx, int id, CWnd& control);
// On loading, limits the last control to maxChars; on saving, refuses a
// longer value with the standard message.
void DDV_MaxChars(CDataExchange* dx, const CString& value, int maxChars);
