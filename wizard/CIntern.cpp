#include "wizard/CIntern.h"

#include "resources/resource.h"
#include "wizard/PageFrame.h"

CCIntern::CCIntern() : CPropertyPage(IDD_INTERNET) {}

BOOL CCIntern::OnSetActive() {
  RequestWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
  return CPropertyPage::OnSetActive();
}

BOOL CCIntern::OnQueryCancel() { return ConfirmExit(); }
