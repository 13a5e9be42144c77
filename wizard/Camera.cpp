#include "wizard/Camera.h"

#include "resources/resource.h"
#include "wizard/PageFrame.h"

CCamera::CCamera() : CPropertyPage(IDD_CAMERA) {}

BOOL CCamera::OnSetActive() {
  RequestWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
  return CPropertyPage::OnSetActive();
}

BOOL CCamera::OnQueryCancel() { return ConfirmExit(); }
