#include "wizard/PageFrame.h"

#include "app/SetupApp.h"
#include "wizard/NotComplete.h"
#include "wizard/Prop.h"

void RequestWizardButtons(DWORD flags) {
  PostMessageA(theApp.m_pWizard->GetSafeHwnd(), PSM_SETWIZBUTTONS, 0, flags);
}

BOOL ConfirmExit() {
  CNotComplete question(nullptr);
  return question.DoModal() == IDCANCEL;
}
