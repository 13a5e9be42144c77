// A windowless run of one of our programs with its standard error caught in
// a file, as a script that starts it would read it.
#pragma once

#include <windows.h>

#include <string>

#include "tests/driver/Process.h"
#include "tests/driver/UiDriver.h"
#include "tests/support/InstallChecks.h"

struct RunOutcome {
  DWORD exitCode = 0;
  std::string errors;
};

// Runs `commandLine` in `folder` and waits up to `timeoutMs` for its end;
// throws ui::Failure, with the system's error, when it cannot start or does
// not end. The errors go through a file in the test's own folder, away from
// what tests look at.
inline RunOutcome RunCatchingErrors(const std::string& commandLine, const std::string& folder,
                                    int timeoutMs = 60000) {
  char file[MAX_PATH];
  if (!GetTempFileNameA(".", "err", 0, file))
    throw ui::Failure("no file for the standard error of \"" + commandLine + "\" (error " +
                      std::to_string(GetLastError()) + ")");
  RunOutcome outcome;
  {
    ui::Process run(commandLine, folder, file);
    outcome.exitCode = run.WaitExit(timeoutMs);
  }
  outcome.errors = ReadWholeFile(file);
  DeleteFileA(file);
  return outcome;
}
