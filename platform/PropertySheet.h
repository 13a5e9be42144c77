// A property sheet run modally in wizard mode, and its pages. The pages
// answer the sheet's notifications through the virtual handlers below.
#pragma once

#include <vector>

#include "platform/Dialog.h"

class CPropertySheet;

// The command that ends a wizard with Finish, as DoModal reports it.
constexpr INT_PTR ID_WIZFINISH = 0x3025;

class CPropertyPage : public CDialog {
 public:
  explicit CPropertyPage(UINT templateId);

  virtual BOOL OnSetActive();
  virtual BOOL OnKillActive();
  // 0 moves to the neighbouring page, -1 keeps this one.
  virtual LRESULT OnWizardBack() { return 0; }
  virtual LRESULT OnWizardNext() { return 0; }
  virtual BOOL OnWizardFinish() { return TRUE; }
  // TRUE lets the wizard end.
  virtual BOOL OnQueryCancel() { return TRUE; }

 protected:
  bool OnNotify(NMHDR* header, LRESULT* result) override;
  // A page's window is a child of the sheet: Enter and Escape belong to it.
  void OnOK() override {}
  void OnCancel() override {}

 private:
  friend class CPropertySheet;
  // The sheet hands the page its PROPSHEETPAGE, whose lParam is the object.
  static INT_PTR CALLBACK PageProc(HWND window, UINT msg, WPARAM wp, LPARAM lp);

  CPropertySheet* m_pSheet = nullptr;
  bool m_bFirstSetActive = true;
};

class CPropertySheet : public CWnd {
 public:
  CPropertySheet(const char* caption, CWnd* parent, UINT startPage);

  void AddPage(CPropertyPage* page) {
    page->m_pSheet = this;
    m_pages.push_back(page);
  }
  void SetWizardMode() { m_psh.dwFlags |= PSH_WIZARD; }
  // Runs the sheet modally, owned as AfxGetModalOwner says for the parent.
  // ID_WIZFINISH after Finish, IDCANCEL when the wizard was abandoned.
  INT_PTR DoModal();

  PROPSHEETHEADERA m_psh;

 private:
  friend class CPropertyPage;
  static int CALLBACK SheetCallback(HWND window, UINT msg, LPARAM);
  // What the framework adds to the system's sheet: centring once its size
  // is final, and a usable focus after each button request.
  static LRESULT CALLBACK SheetSubclass(HWND window, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                        DWORD_PTR);

  std::vector<CPropertyPage*> m_pages;
  CString m_strCaption;
  CWnd* m_pParentWnd;
  bool m_bFinished = false;
};
