// Comparing names the way the system's file names and the pages' lists
// compare them.
#pragma once

#include <string_view>

// Whole-string comparison that ignores ASCII letter case.
bool SameTextIgnoringCase(std::string_view a, std::string_view b);
