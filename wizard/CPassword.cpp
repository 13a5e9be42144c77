#include "wizard/CPassword.h"

#include "platform/DataExchange.h"
#include "resources/dlg130-password.h"
#include "resources/resource.h"
#include "wizard/PageFrame.h"
#include "wizard/PagePicture.h"
#include "wizard/PasswordMismatch.h"
#include "wizard/PasswordRules.h"

CCPassword::CCPassword() : CPropertyPage(IDD_PASSWORD) {}

BOOL CCPassword::OnInitDialog() {
  CPropertyPage::OnInitDialog();
  ShowPagePicture(m_hWnd, IDC_PASSWORD_PICTURE, "KQSetup2.jpg", m_hPicture);
  return TRUE;
}

void CCPassword::DoDataExchange(CDataExchange* dx) {
  DDX_Text(dx, IDC_CONFIRM, m_strConfirm);
  DDV_MaxChars(dx, m_strConfirm, kMaxPasswordLength);
  DDX_Text(dx, IDC_PASSWORD, m_strPassword);
  DDV_MaxChars(dx, m_strPassword, kMaxPasswordLength);
}

BOOL CCPassword::OnSetActive() {
  RequestWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
  return CPropertyPage::OnSetActive();
}

LRESULT CCPassword::OnWizardNext() {
  // Compared byte for byte, lengths included.
  m_bMatched = GetDlgItemText(IDC_PASSWORD) == GetDlgItemText(IDC_CONFIRM);
  if (!m_bMatched) {
    CPasswordMismatch mismatch(this);
    mismatch.DoModal();
  }
  return CPropertyPage::OnWizardNext();
}

LRESULT CCPassword::OnWizardBack() {
  m_bMatched = TRUE;
  return CPropertyPage::OnWizardBack();
}

BOOL CCPassword::OnKillActive() {
  // The fields cannot hold more than the exchange accepts, so its answer
  // adds nothing to the comparison's.
  CPropertyPage::OnKillActive();
  return m_bMatched;
}

BOOL CCPassword::OnQueryCancel() { return ConfirmExit(); }
