// The uninstaller's log words for what became of one thing it removed.
#pragma once

#include <string>

#include "install/Removal.h"

// "removed X", "X was already gone", "kept X: why", "could not remove X".
std::string RemovalText(Removal removal, const std::string& what, const std::string& why = "");
