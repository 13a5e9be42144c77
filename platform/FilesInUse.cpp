#include "platform/FilesInUse.h"

#include "platform/Text.h"
#include "platform/Win32.h"

#include <restartmanager.h>
#include <tlhelp32.h>

namespace {

std::string Narrow(const WCHAR* text) {
  char narrow[MAX_PATH * 2];
  const int length =
      WideCharToMultiByte(CP_ACP, 0, text, -1, narrow, sizeof narrow, nullptr, nullptr);
  return length > 0 ? std::string(narrow, static_cast<size_t>(length - 1)) : std::string();
}

std::string Holder(const std::string& name, DWORD process) {
  return name + " (process " + std::to_string(process) + ")";
}

// The Restart Manager, asked at run time: Windows before Vista has none.
std::vector<std::string> RestartManagerHolders(const std::string& path) {
  using Start = DWORD(WINAPI*)(DWORD*, DWORD, WCHAR*);
  using Register = DWORD(WINAPI*)(DWORD, UINT, LPCWSTR*, UINT, RM_UNIQUE_PROCESS*, UINT, LPCWSTR*);
  using List = DWORD(WINAPI*)(DWORD, UINT*, UINT*, RM_PROCESS_INFO*, DWORD*);
  using End = DWORD(WINAPI*)(DWORD);
  std::vector<std::string> holders;
  HMODULE library = LoadLibraryA("rstrtmgr.dll");
  if (!library) return holders;
  const auto start =
      reinterpret_cast<Start>(reinterpret_cast<void*>(GetProcAddress(library, "RmStartSession")));
  const auto add = reinterpret_cast<Register>(
      reinterpret_cast<void*>(GetProcAddress(library, "RmRegisterResources")));
  const auto list =
      reinterpret_cast<List>(reinterpret_cast<void*>(GetProcAddress(library, "RmGetList")));
  const auto end =
      reinterpret_cast<End>(reinterpret_cast<void*>(GetProcAddress(library, "RmEndSession")));
  DWORD session = 0;
  WCHAR key[CCH_RM_SESSION_KEY + 1] = {};
  WCHAR wide[MAX_PATH];
  if (start && add && list && end &&
      MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH) > 0 &&
      start(&session, 0, key) == ERROR_SUCCESS) {
    LPCWSTR files[] = {wide};
    RM_PROCESS_INFO found[16];
    UINT needed = 0, count = sizeof found / sizeof found[0];
    DWORD reasons = 0;
    if (add(session, 1, files, 0, nullptr, 0, nullptr) == ERROR_SUCCESS &&
        list(session, &needed, &count, found, &reasons) == ERROR_SUCCESS) {
      for (UINT i = 0; i < count; ++i)
        holders.push_back(Holder(Narrow(found[i].strAppName), found[i].Process.dwProcessId));
    }
    end(session);
  }
  FreeLibrary(library);
  return holders;
}

// The programs whose own file `path` is.
std::vector<std::string> ProgramsRunningFrom(const std::string& path) {
  std::vector<std::string> holders;
  HANDLE processes = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (processes == INVALID_HANDLE_VALUE) return holders;
  PROCESSENTRY32 process = {};
  process.dwSize = sizeof process;
  for (BOOL more = Process32First(processes, &process); more;
       more = Process32Next(processes, &process)) {
    HANDLE modules = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, process.th32ProcessID);
    if (modules == INVALID_HANDLE_VALUE) continue;
    MODULEENTRY32 module = {};
    module.dwSize = sizeof module;
    if (Module32First(modules, &module) && SameTextIgnoringCase(module.szExePath, path))
      holders.push_back(Holder(process.szExeFile, process.th32ProcessID));
    CloseHandle(modules);
  }
  CloseHandle(processes);
  return holders;
}

}  // namespace

bool FileInUse(const std::string& path) {
  // Sharing nothing, the open fails while any other handle holds the file.
  // A running program's own file opens all the same under Wine, yet cannot
  // be deleted: the running programs are asked as well.
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | DELETE, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return GetLastError() == ERROR_SHARING_VIOLATION || GetLastError() == ERROR_LOCK_VIOLATION;
  CloseHandle(file);
  return !ProgramsRunningFrom(path).empty();
}

std::vector<std::string> ProgramsUsing(const std::string& path) {
  std::vector<std::string> holders = RestartManagerHolders(path);
  return holders.empty() ? ProgramsRunningFrom(path) : holders;
}
