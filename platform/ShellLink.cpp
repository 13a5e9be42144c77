#include "platform/ShellLink.h"

#include "platform/Win32.h"

#include <objbase.h>
#include <shlobj.h>

namespace {

std::string SpecialFolder(int csidl) {
  // SHGetSpecialFolderPathA is missing from Windows 95's shell; this pair is
  // in every version.
  LPITEMIDLIST list = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &list))) return "";
  char path[MAX_PATH] = {};
  const BOOL found = SHGetPathFromIDListA(list, path);
  CoTaskMemFree(list);
  return found ? path : "";
}

// The account logged on to this session, asked of the terminal services
// library at run time: Windows 9x has none.
std::string SessionUserName() {
  using Query = BOOL(WINAPI*)(HANDLE, DWORD, int, LPSTR*, DWORD*);
  using Free = void(WINAPI*)(PVOID);
  HMODULE library = LoadLibraryA("wtsapi32.dll");
  if (!library) return "";
  auto query = reinterpret_cast<Query>(
      reinterpret_cast<void*>(GetProcAddress(library, "WTSQuerySessionInformationA")));
  auto release =
      reinterpret_cast<Free>(reinterpret_cast<void*>(GetProcAddress(library, "WTSFreeMemory")));
  std::string name;
  constexpr DWORD kCurrentSession = static_cast<DWORD>(-1);
  constexpr int kUserName = 5;
  LPSTR text = nullptr;
  DWORD size = 0;
  if (query && release && query(nullptr, kCurrentSession, kUserName, &text, &size)) {
    name = text ? text : "";
    release(text);
  }
  FreeLibrary(library);
  return name;
}

bool RunsAsAnotherUser() {
  char name[256] = {};
  DWORD size = sizeof name;
  if (!GetUserNameA(name, &size)) return false;
  const std::string sessionUser = SessionUserName();
  return !sessionUser.empty() && lstrcmpiA(sessionUser.c_str(), name) != 0;
}

}  // namespace

std::string StartMenuProgramsFolder() {
  // The other account's own Start menu would hide the group from the user
  // who started the setup.
  if (RunsAsAnotherUser()) {
    const std::string common = SpecialFolder(CSIDL_COMMON_PROGRAMS);
    if (!common.empty()) return common;
  }
  return SpecialFolder(CSIDL_PROGRAMS);
}

std::vector<std::string> StartMenuProgramsFolders() {
  std::vector<std::string> folders;
  for (int csidl : {CSIDL_PROGRAMS, CSIDL_COMMON_PROGRAMS}) {
    const std::string folder = SpecialFolder(csidl);
    if (!folder.empty()) folders.push_back(folder);
  }
  return folders;
}

bool CreateShellLink(const std::string& linkFile, const std::string& target,
                     const std::string& workingFolder) {
  const HRESULT com = CoInitialize(nullptr);
  bool saved = false;
  IShellLinkA* link = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                 reinterpret_cast<void**>(&link)))) {
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->SetPath(target.c_str())) &&
        SUCCEEDED(link->SetWorkingDirectory(workingFolder.c_str())) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
      // IPersistFile takes the name in UTF-16; the texts are in the ANSI
      // code page. A fixed buffer keeps the wide string library out.
      WCHAR wide[MAX_PATH];
      saved = MultiByteToWideChar(CP_ACP, 0, linkFile.c_str(), -1, wide, MAX_PATH) > 0 &&
              SUCCEEDED(file->Save(wide, TRUE));
      file->Release();
    }
    link->Release();
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return saved;
}
