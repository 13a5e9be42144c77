#include "platform/ShellLink.h"

#include "platform/Win32.h"

#include <objbase.h>
#include <shlobj.h>

#include <string>

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

namespace {

// The link's bytes, as the shell keeps them in a shortcut file.
bool SerializeLink(IShellLinkA* link, std::string& bytes) {
  IPersistStream* persist = nullptr;
  if (FAILED(link->QueryInterface(IID_IPersistStream, reinterpret_cast<void**>(&persist))))
    return false;
  IStream* memory = nullptr;
  bool done = false;
  if (SUCCEEDED(CreateStreamOnHGlobal(nullptr, TRUE, &memory))) {
    HGLOBAL global = nullptr;
    STATSTG stat = {};
    if (SUCCEEDED(persist->Save(memory, TRUE)) && SUCCEEDED(memory->Stat(&stat, STATFLAG_NONAME)) &&
        SUCCEEDED(GetHGlobalFromStream(memory, &global))) {
      if (const void* data = GlobalLock(global)) {
        bytes.assign(static_cast<const char*>(data), static_cast<size_t>(stat.cbSize.QuadPart));
        GlobalUnlock(global);
        done = true;
      }
    }
    memory->Release();
  }
  persist->Release();
  return done;
}

bool WriteLinkFile(const std::string& linkFile, const std::string& bytes) {
  const HANDLE file = CreateFileA(linkFile.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool whole =
      WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
      written == bytes.size();
  CloseHandle(file);
  if (!whole) DeleteFileA(linkFile.c_str());
  return whole;
}

}  // namespace

bool CreateShellLink(const std::string& linkFile, const std::string& target,
                     const std::string& workingFolder) {
  const HRESULT com = CoInitialize(nullptr);
  bool saved = false;
  IShellLinkA* link = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                 reinterpret_cast<void**>(&link)))) {
    // The link's own stream, written as the file: IPersistFile::Save writes
    // the same bytes, but Wine's then runs its menu builder and waits for
    // it, a tenth of a second per shortcut. The shell is told as Save would
    // tell it.
    std::string bytes;
    saved = SUCCEEDED(link->SetPath(target.c_str())) &&
            SUCCEEDED(link->SetWorkingDirectory(workingFolder.c_str())) &&
            SerializeLink(link, bytes) && WriteLinkFile(linkFile, bytes);
    if (saved) SHChangeNotify(SHCNE_CREATE, SHCNF_PATHA, linkFile.c_str(), nullptr);
    link->Release();
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return saved;
}
