#include "platform/Dialog.h"

#include "platform/DataExchange.h"
#include "platform/ModalOwner.h"
#include "platform/WinApp.h"

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

INT_PTR CDialog::DoModal() {
  HWND owner = AfxGetModalOwner(m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr);
  const INT_PTR result =
      DialogBoxParamA(AfxGetResourceHandle(), MAKEINTRESOURCEA(m_nIDTemplate), owner,
                      &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
  m_hWnd = nullptr;
  return result;
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
  CDataExchange dx(this, saveAndValidate);
  DoDataExchange(&dx);
  return !dx.m_bFailed;
}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::OnOK() {
  if (UpdateData(TRUE)) EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

bool CDialog::OnCommand(WORD id, WORD) {
  if (id == IDOK) {
    OnOK();
    return true;
  }
  if (id == IDCANCEL) {
    OnCancel();
    return true;
  }
  return false;
}

INT_PTR CDialog::MessageResult(LRESULT result) {
  SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
  return TRUE;
}

INT_PTR CDialog::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
  LRESULT result = 0;
  switch (msg) {
    case WM_INITDIALOG:
      return OnInitDialog();
    case WM_TIMER:
      OnTimer(wp);
      return FALSE;
    case WM_PAINT:
      return OnPaint();
    case WM_DESTROY:
      OnDestroy();
      return FALSE;
    case WM_QUERYDRAGICON:
      // One of the messages whose dialog-procedure result is the answer.
      return reinterpret_cast<INT_PTR>(OnQueryDragIcon());
    case WM_COMMAND:
      return OnCommand(LOWORD(wp), HIWORD(wp));
    case WM_NOTIFY:
      return OnNotify(reinterpret_cast<NMHDR*>(lp), &result) ? MessageResult(result) : FALSE;
    default:
      return OnMessage(msg, wp, lp, &result) ? MessageResult(result) : FALSE;
  }
}

CDialog* CDialog::FromHandle(HWND window) {
  return reinterpret_cast<CDialog*>(GetWindowLongPtrA(window, DWLP_USER));
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
  CDialog* dialog = FromHandle(window);
  if (msg == WM_INITDIALOG) {
    dialog = reinterpret_cast<CDialog*>(lp);
    SetWindowLongPtrA(window, DWLP_USER, lp);
    dialog->m_hWnd = window;
  }
  if (!dialog) return FALSE;
  const INT_PTR handled = dialog->WindowProc(msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrA(window, DWLP_USER, 0);
    dialog->m_hWnd = nullptr;
  }
  return handled;
}
