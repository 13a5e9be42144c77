// Starts a program of ours as a separate process, for black-box tests.
#pragma once

#include <string>

#include <windows.h>

namespace ui {

// The Windows name of a Linux path, as Wine maps the root to drive Z:.
std::string WindowsPath(const std::string& unixPath);

class Process {
 public:
  // Starts `commandLine` in `folder`; throws ui::Failure when it cannot.
  // With `standardErrorFile`, the program's standard error goes into that
  // file, made afresh.
  Process(const std::string& commandLine, const std::string& folder,
          const std::string& standardErrorFile = "");
  ~Process();
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  DWORD Id() const { return m_info.dwProcessId; }
  // The exit code; throws ui::Failure when the process runs on past the
  // time-out.
  DWORD WaitExit(int timeoutMs = 10000);
  bool HasExited() const { return WaitForSingleObject(m_info.hProcess, 0) == WAIT_OBJECT_0; }

 private:
  std::string m_commandLine;
  PROCESS_INFORMATION m_info;
};

}  // namespace ui
