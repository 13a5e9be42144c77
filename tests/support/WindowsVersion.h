// The Windows version that Wine reports to named programs, set for as long
// as the object lives (HKCU\Software\Wine\AppDefaults\PROGRAM, value
// Version: win98, winxp, win7, win10).
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

class WindowsVersionFor {
 public:
  WindowsVersionFor(const std::string& version, std::vector<std::string> programs)
      : m_programs(std::move(programs)) {
    for (const std::string& program : m_programs) {
      HKEY key = nullptr;
      RegCreateKeyA(HKEY_CURRENT_USER, Key(program).c_str(), &key);
      RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(version.c_str()),
                     static_cast<DWORD>(version.size() + 1));
      RegCloseKey(key);
    }
  }
  ~WindowsVersionFor() {
    for (const std::string& program : m_programs)
      RegDeleteKeyA(HKEY_CURRENT_USER, Key(program).c_str());
  }
  WindowsVersionFor(const WindowsVersionFor&) = delete;
  WindowsVersionFor& operator=(const WindowsVersionFor&) = delete;

 private:
  static std::string Key(const std::string& program) {
    return "Software\\Wine\\AppDefaults\\" + program;
  }
  std::vector<std::string> m_programs;
};
