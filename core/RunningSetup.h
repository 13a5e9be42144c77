// The state of the setup that is running, for the pages and the
// installation steps: they need its configuration and branding, not the
// application object that holds them.
#pragma once

#include "core/SetupState.h"

// The application object registers its state as it is made; nullptr takes
// it back.
void SetRunningSetup(SetupState* state);
// The registered state; only a program that registered one may ask.
SetupState& RunningSetup();
