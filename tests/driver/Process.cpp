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

Process::Process(const std::string& commandLine, const std::string& folder,
                 const std::string& standardErrorFile)
    : m_commandLine(commandLine), m_info() {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  HANDLE errors = INVALID_HANDLE_VALUE;
  if (!standardErrorFile.empty()) {
    SECURITY_ATTRIBUTES inherited = {sizeof inherited, nullptr, TRUE};
    errors = CreateFileA(standardErrorFile.c_str(), GENERIC_WRITE,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, &inherited,
                         CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (errors == INVALID_HANDLE_VALUE)
      throw Failure("cannot create " + standardErrorFile + " (error " +
                    std::to_string(GetLastError()) + ")");
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdError = errors;
  }
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  const BOOL started =
      CreateProcessA(nullptr, line.data(), nullptr, nullptr, errors != INVALID_HANDLE_VALUE, 0,
                     nullptr, folder.c_str(), &startup, &m_info);
  const DWORD error = GetLastError();
  if (errors != INVALID_HANDLE_VALUE) CloseHandle(errors);
  if (!started)
    throw Failure("cannot start \"" + commandLine + "\" in " + folder + " (error " +
                  std::to_string(error) + ")");
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
    throw Failure("\"" + m_commandLine + "\" still running after " + std::to_string(timeoutMs) +
                  " ms");
  DWORD code = 0;
  GetExitCodeProcess(m_info.hProcess, &code);
  return code;
}

}  // namespace ui
