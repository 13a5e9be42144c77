// Lines for whoever started the program with its standard error handed on,
// such as a deployment script that keeps what a windowless run reports.
#pragma once

#include <string>

// Writes `line` and a line break; nothing when there is no such handle.
void WriteStandardError(const std::string& line);
