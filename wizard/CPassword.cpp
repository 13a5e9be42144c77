#include "wizard/CPassword.h"

#include "resources/resource.h"
#include "wizard/PageFrame.h"

CCPassword::CCPassword() : CPropertyPage(IDD_PASSWORD) {}

BOOL CCPassword::OnSetActive() {
  RequestWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
  return CPropertyPage::OnSetActive();
}

BOOL CCPassword::OnQueryCancel() { return ConfirmExit(); }
