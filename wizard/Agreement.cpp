#include "wizard/Agreement.h"

#include "resources/resource.h"
#include "wizard/PageFrame.h"

CAgreement::CAgreement() : CPropertyPage(IDD_AGREEMENT) {}

BOOL CAgreement::OnSetActive() {
  RequestWizardButtons(PSWIZB_NEXT);
  return CPropertyPage::OnSetActive();
}
