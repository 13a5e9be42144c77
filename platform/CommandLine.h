#pragma once

// The command-line text that the application sees: what follows the program
// name, with the blanks and control characters right after the name skipped.
const char* CommandLineTail(const char* commandLine);
