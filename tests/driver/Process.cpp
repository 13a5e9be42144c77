#include "tests/driver/Process.h"

#include <vector>

#include "tests/driver/UiDriver.h"

namespace ui {

std::string WindowsPath(const std::string& unixPath) {
  std::string path = "Z:" + unixPath;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

Process::Process(const std::string& commandLine, const std::string& folder) : m_info() {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                      &startup, &m_info))
    throw Failure("cannot start \"" + commandLine + "\" in " + folder + " (error " +
                  std::to_string(GetLastError()) + ")");
}

Process::~Process() {
  if (!HasExited()) {
    TerminateProcess(m_info.hProcess, 1);
    WaitForSingleObject(m_info.hProcess, 5000);
  }
  CloseHandle(m_info.hThread);
  CloseHandle(m_info.hProcess);
}

DWORD Process::WaitExit(int timeoutMs) {
  if (WaitForSingleObject(m_info.hProcess, timeoutMs) != WAIT_OBJECT_0)
    throw Failure("process " + std::to_string(Id()) + " still running after " +
                  std::to_string(timeoutMs) + " ms");
  DWORD code = 0;
  GetExitCodeProcess(m_info.hProcess, &code);
  return code;
}

}  // namespace ui
