// The update mode: joins the update pieces found in the current folder and
// records the version of the "ch" package in the setup folder's kq.ini.
#pragma once

#include "core/SetupState.h"
#include "platform/FileOps.h"

// True when every package present was joined. Refuses at once, doing
// nothing, when the path of kq.ini beside the program does not fit its
// buffer. `files` carries the 5-second wait too, so tests can pass it over.
bool RunUpdateMode(SetupState& state, FileOps& files = RealFileOps());
