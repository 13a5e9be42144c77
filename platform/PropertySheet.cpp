#include "platform/PropertySheet.h"

#include "platform/ModalOwner.h"
#include "platform/WinApp.h"

namespace {
// The sheet being created; modal sheets never nest, and the creation
// callback carries no context of its own.
CPropertySheet* g_creatingSheet = nullptr;

// Centred on the screen like every other dialog of the setup, rather than
// at the corner where the title is painted.
void CentreOnWorkArea(HWND window) {
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& work = monitor.rcWork;
  RECT frame;
  GetWindowRect(window, &frame);
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  SetWindowPos(window, nullptr, work.left + (work.right - work.left - width) / 2,
               work.top + (work.bottom - work.top - height) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// A button request can disable the very button that has the focus (Back,
// when the first page comes again); the keyboard would then reach nothing,
// so the focus goes to the default button.
void KeepFocusUsable(HWND sheet) {
  HWND focus = GetFocus();
  if (GetActiveWindow() != sheet || (focus && IsWindowEnabled(focus))) return;
  const LRESULT defaultId = SendMessageA(sheet, DM_GETDEFID, 0, 0);
  if (HIWORD(defaultId) != DC_HASDEFID) return;
  if (HWND button = GetDlgItem(sheet, LOWORD(defaultId)))
    SendMessageA(sheet, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(button), TRUE);
}
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

int CALLBACK CPropertySheet::SheetCallback(HWND window, UINT msg, LPARAM) {
  if (msg == PSCB_INITIALIZED && g_creatingSheet) {
    g_creatingSheet->m_hWnd = window;
    SetWindowSubclass(window, &CPropertySheet::SheetSubclass, 0, 0);
  }
  return 0;
}

LRESULT CALLBACK CPropertySheet::SheetSubclass(HWND window, UINT msg, WPARAM wp, LPARAM lp,
                                               UINT_PTR, DWORD_PTR) {
  switch (msg) {
    case WM_SHOWWINDOW:
      // Only now is the size final: the sheet grows to fit its pages while
      // it initialises.
      if (wp && !lp) CentreOnWorkArea(window);
      break;
    case PSM_SETWIZBUTTONS: {
      const LRESULT result = DefSubclassProc(window, msg, wp, lp);
      KeepFocusUsable(window);
      return result;
    }
    case WM_NCDESTROY:
      RemoveWindowSubclass(window, &CPropertySheet::SheetSubclass, 0);
      break;
    default:
      break;
  }
  return DefSubclassProc(window, msg, wp, lp);
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
  m_psh.hwndParent = AfxGetModalOwner(m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr);
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
