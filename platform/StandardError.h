// Lines for the one who started a windowless run from a console or a
// script: a GUI program has no console, but the handle it was given.
#pragma once

#include <string>

// Writes `line` and a line end to the standard error handle, if there is one.
void WriteStandardError(const std::string& line);
