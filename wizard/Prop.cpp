#include "wizard/Prop.h"

#include "platform/WinApp.h"
#include "resources/resource.h"

CProp::CProp(const char* caption, CWnd* parent, UINT startPage)
    : CPropertySheet(caption, parent, startPage),
      m_hIcon(LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDI_SETUP))) {
  // The creator switches wizard mode on again just before running the sheet.
  m_psh.dwFlags = (m_psh.dwFlags & ~PSH_WIZARD) | PSH_USEHICON;
  m_psh.hIcon = m_hIcon;
  AddPage(&m_pageAgreement);
  AddPage(&m_pagePassword);
  AddPage(&m_pageIntern);
  AddPage(&m_pageCamera);
  AddPage(&m_pageWorkFolder);
  AddPage(&m_pageBonus);
}
