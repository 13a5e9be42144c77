#include "platform/DataExchange.h"

#include <string>

#include "platform/DataRules.h"
#include "platform/MessageBox.h"

namespace {
bool IsComboBox(HWND window) {
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  return lstrcmpiA(name, "ComboBox") == 0;
}
}  // namespace

HWND CDataExchange::PrepareCtrl(int id) {
  m_hWndLastControl = m_pDlgWnd->GetDlgItem(id);
  return m_hWndLastControl;
}

void CDataExchange::Fail() {
  m_bFailed = true;
  if (!m_hWndLastControl) return;
  SetFocus(m_hWndLastControl);
  if (!IsComboBox(m_hWndLastControl)) SendMessageA(m_hWndLastControl, EM_SETSEL, 0, -1);
}

void DDX_Text(CDataExchange* dx, int id, CString& value) {
  if (dx->m_bFailed) return;
  HWND control = dx->PrepareCtrl(id);
  if (dx->m_bSaveAndValidate)
    value = GetWindowString(control);
  else
    SetWindowTextA(control, value.c_str());
}

void DDX_CBString(CDataExchange* dx, int id, CString& value) {
  if (dx->m_bFailed) return;
  HWND control = dx->PrepareCtrl(id);
  if (dx->m_bSaveAndValidate) {
    value = GetWindowString(control);
    return;
  }
  // An entry that starts with the text is selected; otherwise the edit part
  // of the box shows the text itself.
  if (SendMessageA(control, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                   reinterpret_cast<LPARAM>(value.c_str())) == CB_ERR)
    SetWindowTextA(control, value.c_str());
}

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
  if (dx->m_bFailed || control.m_hWnd) return;
  control.m_hWnd = dx->PrepareCtrl(id);
}

void DDV_MaxChars(CDataExchange* dx, const CString& value, int maxChars) {
  if (dx->m_bFailed || !dx->m_hWndLastControl) return;
  if (!dx->m_bSaveAndValidate) {
    const UINT limit = IsComboBox(dx->m_hWndLastControl) ? CB_LIMITTEXT : EM_LIMITTEXT;
    SendMessageA(dx->m_hWndLastControl, limit, maxChars, 0);
    return;
  }
  if (static_cast<int>(value.size()) <= maxChars) return;
  AfxMessageBox(MaxCharsMessage(maxChars).c_str(), MB_ICONEXCLAMATION);
  dx->Fail();
}
