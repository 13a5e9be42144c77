// What every wizard page shares: its button request and the exit question.
#pragma once

#include "platform/Win32.h"

// Posts the page's button request to the wizard sheet; posted, so the
// buttons change once the page change has completed.
void RequestWizardButtons(DWORD flags);
// Asks the exit question; TRUE when the user chose to exit.
BOOL ConfirmExit();
