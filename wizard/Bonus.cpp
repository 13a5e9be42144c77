#include "wizard/Bonus.h"

#include "resources/resource.h"
#include "wizard/PageFrame.h"

CBonus::CBonus() : CPropertyPage(IDD_BONUS) {}

BOOL CBonus::OnSetActive() {
  RequestWizardButtons(PSWIZB_BACK | PSWIZB_NEXT | PSWIZB_FINISH);
  return CPropertyPage::OnSetActive();
}

BOOL CBonus::OnQueryCancel() { return ConfirmExit(); }
