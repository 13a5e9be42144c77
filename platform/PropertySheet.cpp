#include "platform/PropertySheet.h"

#include "platform/WinApp.h"

namespace {
// The leading fields of an extended dialog template, which no header
// declares.
struct DLGTEMPLATEEX_HEAD {
  WORD dlgVer;
  WORD signature;
  DWORD helpID;
  DWORD exStyle;
  DWORD style;
};

// The sheet being created; modal sheets never nest, and the creation
// callback carries no context of its own.
CPropertySheet* g_creatingSheet = nullptr;
}  // namespace

CPropertyPage::CPropertyPage(UINT templateId) : CDialog(templateId) {}

INT_PTR CALLBACK CPropertyPage::PageProc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_INITDIALOG) lp = reinterpret_cast<PROPSHEETPAGEA*>(lp)->lParam;
  return DialogProc(window, msg, wp, lp);
}

BOOL CPropertyPage::OnSetActive() {
  // The first activation follows OnInitDialog, which filled the controls.
  if (m_bFirstSetActive)
    m_bFirstSetActive = false;
  else
    UpdateData(FALSE);
  return TRUE;
}

BOOL CPropertyPage::OnKillActive() { return UpdateData(TRUE); }

bool CPropertyPage::OnNotify(NMHDR* header, LRESULT* result) {
  switch (header->code) {
    case PSN_SETACTIVE:
      *result = OnSetActive() ? 0 : -1;
      return true;
    case PSN_KILLACTIVE:
      *result = !OnKillActive();
      return true;
    case PSN_WIZBACK:
      *result = OnWizardBack();
      return true;
    case PSN_WIZNEXT:
      *result = OnWizardNext();
      return true;
    case PSN_WIZFINISH: {
      const BOOL finish = OnWizardFinish();
      if (finish) m_pSheet->m_bFinished = true;
      *result = !finish;
      return true;
    }
    case PSN_QUERYCANCEL:
      *result = !OnQueryCancel();
      return true;
    default:
      return false;
  }
}

CPropertySheet::CPropertySheet(const char* caption, CWnd* parent, UINT startPage)
    : m_psh(), m_strCaption(caption ? caption : ""), m_pParentWnd(parent) {
  m_psh.dwSize = sizeof(m_psh);
  m_psh.dwFlags = PSH_PROPSHEETPAGE | PSH_USECALLBACK;
  m_psh.nStartPage = startPage;
}

int CALLBACK CPropertySheet::SheetCallback(HWND window, UINT msg, LPARAM lp) {
  if (msg == PSCB_PRECREATE) {
    // Centred like every other dialog of the setup, rather than at the
    // corner of the screen where the title is painted.
    auto* words = reinterpret_cast<WORD*>(lp);
    const bool extended = words[0] == 1 && words[1] == 0xFFFF;
    DWORD* style = extended ? &reinterpret_cast<DLGTEMPLATEEX_HEAD*>(lp)->style
                            : &reinterpret_cast<DLGTEMPLATE*>(lp)->style;
    *style |= DS_CENTER;
  } else if (msg == PSCB_INITIALIZED && g_creatingSheet) {
    g_creatingSheet->m_hWnd = window;
  }
  return 0;
}

INT_PTR CPropertySheet::DoModal() {
  std::vector<PROPSHEETPAGEA> pages(m_pages.size());
  for (size_t i = 0; i < m_pages.size(); ++i) {
    PROPSHEETPAGEA& page = pages[i];
    page.dwSize = sizeof(page);
    page.dwFlags = PSP_DEFAULT;
    page.hInstance = AfxGetResourceHandle();
    page.pszTemplate = MAKEINTRESOURCEA(m_pages[i]->m_nIDTemplate);
    page.pfnDlgProc = &CPropertyPage::PageProc;
    page.lParam = reinterpret_cast<LPARAM>(m_pages[i]);
    m_pages[i]->m_bFirstSetActive = true;
  }
  m_psh.hwndParent = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
  m_psh.hInstance = AfxGetResourceHandle();
  m_psh.pszCaption = m_strCaption.c_str();
  m_psh.nPages = static_cast<UINT>(pages.size());
  m_psh.ppsp = pages.data();
  m_psh.pfnCallback = &CPropertySheet::SheetCallback;
  m_bFinished = false;

  g_creatingSheet = this;
  PropertySheetA(&m_psh);
  g_creatingSheet = nullptr;
  m_hWnd = nullptr;
  return m_bFinished ? ID_WIZFINISH : IDCANCEL;
}
