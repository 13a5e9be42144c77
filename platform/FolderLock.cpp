#include "platform/FolderLock.h"

#include <cctype>

#include "platform/Folders.h"
#include "platform/SystemVersion.h"
#include "platform/Win32.h"

namespace {

// The lock's system-wide name for `folder`: the same for every spelling
// that differs only in case, "/" for "\", or "." and ".." parts.
std::string FolderLockName(const std::string& folder) {
  std::string path = folder;
  for (char& c : path)
    if (c == '/') c = '\\';
  path = FullPath(path.c_str());
  if (path.size() > 3 && path.back() == '\\') path.pop_back();
  // An object name holds no backslash past its namespace; Global makes
  // runs in other sessions of the machine see the same lock. Windows 95
  // and 98 have one namespace and take no backslash at all.
  std::string name = IsNtFamily() ? "Global\\" : "";
  name += "QuelmarOvistraSetup.Folder.";
  for (char c : path)
    name += c == '\\' ? '/' : static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return name;
}

}  // namespace

FolderLock::FolderLock(const std::string& folder, unsigned waitMs) {
  const HANDLE mutex = CreateMutexA(nullptr, FALSE, FolderLockName(folder).c_str());
  if (!mutex) return;
  m_hMutex = mutex;
  // A run that died holding the lock leaves it abandoned: the folder is
  // free again.
  const DWORD waited = WaitForSingleObject(mutex, waitMs);
  m_bHeld = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
}

FolderLock::~FolderLock() {
  if (!m_hMutex) return;
  if (m_bHeld) ReleaseMutex(static_cast<HANDLE>(m_hMutex));
  CloseHandle(static_cast<HANDLE>(m_hMutex));
}
