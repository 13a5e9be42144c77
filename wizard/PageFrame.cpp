#include "wizard/PageFrame.h"

#include "core/RunningSetup.h"
#include "wizard/NotComplete.h"
#include "wizard/Prop.h"

void RequestWizardButtons(DWORD flags) {
  PostMessageA(RunningSetup().m_pWizard->GetSafeHwnd(), PSM_SETWIZBUTTONS, 0, flags);
}

BOOL ConfirmExit() {
  CNotComplete question(nullptr);
  return question.DoModal() == IDCANCEL;
}
