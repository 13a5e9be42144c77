// A modal dialog run from a template of the program's resources. Handlers
// are virtual functions; the dispatcher maps the messages the setup's
// windows serve onto them.
#pragma once

#include "platform/Wnd.h"

class CDataExchange;

class CDialog : public CWnd {
 public:
  explicit CDialog(UINT templateId, CWnd* parent = nullptr);

  // Runs the dialog modally, owned as AfxGetModalOwner says for the parent.
  INT_PTR DoModal();
  void EndDialog(INT_PTR result) { ::EndDialog(m_hWnd, result); }
  // Moves data between the controls and the fields; FALSE when a field's
  // validation refused the value (the user has been told and the field
  // has the focus).
  BOOL UpdateData(BOOL saveAndValidate = TRUE);
  UINT_PTR SetTimer(UINT_PTR id, UINT milliseconds) {
    return ::SetTimer(m_hWnd, id, milliseconds, nullptr);
  }
  void KillTimer(UINT_PTR id) { ::KillTimer(m_hWnd, id); }

  UINT m_nIDTemplate;
  CWnd* m_pParentWnd;

 protected:
  virtual BOOL OnInitDialog();
  virtual void DoDataExchange(CDataExchange*) {}
  virtual void OnOK();
  virtual void OnCancel();
  virtual void OnTimer(UINT_PTR) {}
  // Return false to leave painting to the default handling.
  virtual bool OnPaint() { return false; }
  virtual void OnDestroy() {}
  virtual HICON OnQueryDragIcon() { return nullptr; }
  // Command and notification handlers return true when they served the
  // message.
  virtual bool OnCommand(WORD id, WORD code);
  virtual bool OnNotify(NMHDR*, LRESULT*) { return false; }
  // Every other message, the window's own numbers included.
  virtual bool OnMessage(UINT, WPARAM, LPARAM, LRESULT*) { return false; }

  virtual INT_PTR WindowProc(UINT msg, WPARAM wp, LPARAM lp);
  // Attaches the object to its window on WM_INITDIALOG; init names where
  // the object's address travels in the message's parameter.
  static INT_PTR CALLBACK DialogProc(HWND window, UINT msg, WPARAM wp, LPARAM lp);
  static CDialog* FromHandle(HWND window);
  INT_PTR MessageResult(LRESULT result);
};
