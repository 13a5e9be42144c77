#include "wizard/Bonus.h"

#include <string>

#include "core/RunningSetup.h"
#include "platform/DataExchange.h"
#include "platform/MessageBox.h"
#include "platform/SystemVersion.h"
#include "resources/dlg151-bonus.h"
#include "resources/resource.h"
#include "wizard/DialUpTuning.h"
#include "wizard/PageFrame.h"
#include "wizard/PagePicture.h"
#include "wizard/Prop.h"

namespace {
const std::string& WorkFolder() { return RunningSetup().m_pWizard->m_pageWorkFolder.m_strFolder; }
}  // namespace

CBonus::CBonus() : CPropertyPage(IDD_BONUS) {}

BOOL CBonus::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  ShowPagePicture(m_hWnd, IDC_BONUS_PICTURE, "KQSetup5.jpg", m_hPicture);
  return TRUE;
}

void CBonus::DoDataExchange(CDataExchange* dx) {
  DDX_Control(dx, IDC_OPTIMIZE, m_btnOptimize);
  DDX_Control(dx, IDC_NO_OPTIMIZE, m_btnNoOptimize);
}

BOOL CBonus::OnSetActive() {
  RequestWizardButtons(PSWIZB_BACK | PSWIZB_NEXT | PSWIZB_FINISH);
  // An earlier run of the setup, or this one before Back, may have tuned.
  m_bOptimized = IsDialUpTuned();
  SetMarks();
  return CPropertyPage::OnSetActive();
}

BOOL CBonus::OnQueryCancel() { return ConfirmExit(); }

bool CBonus::OnCommand(WORD id, WORD code) {
  if (id == IDC_OPTIMIZE || id == IDC_NO_OPTIMIZE) {
    if (code == BN_CLICKED) id == IDC_OPTIMIZE ? OnOptimize() : OnNoOptimize();
    return true;
  }
  return CPropertyPage::OnCommand(id, code);
}

void CBonus::OnOptimize() {
  if (!m_bOptimized && MayChangeRegistry() &&
      OptimizeDialUp(WorkFolder(),
                     [](const std::string& text) { AfxMessageBox(text.c_str(), MB_OK); }))
    m_bOptimized = IsDialUpTuned();
  SetMarks();
}

void CBonus::OnNoOptimize() {
  if (m_bOptimized && MayChangeRegistry() && UndoDialUpTuning(WorkFolder()))
    m_bOptimized = IsDialUpTuned();
  SetMarks();
}

void CBonus::SetMarks() {
  // Both boxes toggle themselves on a click; the marks always show the
  // state that is in force.
  m_btnOptimize.SendMessage(BM_SETCHECK, m_bOptimized ? BST_CHECKED : BST_UNCHECKED);
  m_btnNoOptimize.SendMessage(BM_SETCHECK, m_bOptimized ? BST_UNCHECKED : BST_CHECKED);
}

bool CBonus::MayChangeRegistry() {
  if (!IsNtFamily()) return true;
  AfxMessageBox(kCantOptimizeNt, MB_OK);
  return false;
}
