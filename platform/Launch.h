// Starting other programs without waiting for them.
#pragma once

// Starts `commandLine` shown normally; true when the program started.
bool StartProgram(const char* commandLine);
