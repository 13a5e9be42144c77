// A windowless run of one of our programs with its standard error caught in
// a file, as a script that starts it would read it.
#pragma once

#include <windows.h>

#include <string>

#include "tests/driver/UiDriver.h"
#include "tests/support/InstallChecks.h"

struct RunOutcome {
  DWORD exitCode = 0;
  std::string errors;
};

// Runs `commandLine` in `folder` and waits up to `timeoutMs` for its end;
// throws ui::Failure when it cannot start or does not end. The errors go
// through a file in the test's own folder, away from what tests look at.
inline RunOutcome RunCatchingErrors(const std::string& commandLine, const std::string& folder,
                                    int timeoutMs = 60000) {
  char file[MAX_PATH];
  GetTempFileNameA(".", "err", 0, file);
  SECURITY_ATTRIBUTES inherited = {sizeof inherited, nullptr, TRUE};
  HANDLE errors = CreateFileA(file, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdError = errors;
  std::string line = commandLine;
  PROCESS_INFORMATION started = {};
  const BOOL ok = CreateProcessA(nullptr, &line[0], nullptr, nullptr, TRUE, 0, nullptr,
                                 folder.c_str(), &startup, &started);
  CloseHandle(errors);
  if (!ok) throw ui::Failure("cannot start \"" + commandLine + "\"");
  const DWORD waited = WaitForSingleObject(started.hProcess, timeoutMs);
  RunOutcome outcome;
  GetExitCodeProcess(started.hProcess, &outcome.exitCode);
  CloseHandle(started.hThread);
  CloseHandle(started.hProcess);
  if (waited != WAIT_OBJECT_0) throw ui::Failure("\"" + commandLine + "\" still running");
  outcome.errors = ReadWholeFile(file);
  DeleteFileA(file);
  return outcome;
}
