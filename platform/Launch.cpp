#include "platform/Launch.h"

#include "platform/Win32.h"

bool StartProgram(const char* commandLine) {
  // Values above 31 mean the program was started.
  return WinExec(commandLine, SW_SHOW) > 31;
}
