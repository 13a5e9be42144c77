#include "wizard/WorkFolder.h"

#include "resources/resource.h"
#include "wizard/PageFrame.h"

CWorkFolder::CWorkFolder() : CPropertyPage(IDD_WORK_FOLDER) {}

BOOL CWorkFolder::OnSetActive() {
  RequestWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
  return CPropertyPage::OnSetActive();
}

BOOL CWorkFolder::OnQueryCancel() { return ConfirmExit(); }
