#include "platform/Folders.h"

#include <direct.h>
#include <cstdio>
#include <sys/stat.h>
#include <vector>

#include "platform/Seam.h"
#include "platform/Win32.h"

namespace {

// The narrow call cuts a path at MAX_PATH without a word, which would make
// the program's folder its parent; the wide call gives the whole path.
std::string ModulePath() {
  // A vector, not a std::wstring, which would link the library's whole
  // wide-string instantiation.
  std::vector<wchar_t> wide(32768);
  const DWORD length = GetModuleFileNameW(nullptr, &wide[0], static_cast<DWORD>(wide.size()));
  if (length == 0 || length >= wide.size()) return std::string();
  const int size = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(length), nullptr, 0,
                                       nullptr, nullptr);
  std::string path(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(length), &path[0], size, nullptr,
                      nullptr);
  return path;
}

class RealProgramLocation : public ProgramLocation {
 public:
  std::string Path() override { return ModulePath(); }
};

using ProgramLocationSeam = Seam<ProgramLocation, RealProgramLocation>;

}  // namespace

std::string ProgramPath() { return ProgramLocationSeam::Get().Path(); }

void SetProgramLocationForTesting(ProgramLocation* location) { ProgramLocationSeam::Set(location); }

bool CanOpenForReading(const char* path) {
  FILE* file = std::fopen(path, "rb");
  if (!file) return false;
  std::fclose(file);
  return true;
}

int GetCurrentDrive() { return _getdrive(); }

bool ChangeDrive(int drive) { return _chdrive(drive) == 0; }

bool ChangeFolder(const char* folder) { return _chdir(folder) == 0; }

std::string GetCurrentFolder() {
  // The platform reports the length it needs when the buffer is too small.
  std::string folder(MAX_PATH, '\0');
  DWORD length = GetCurrentDirectoryA(static_cast<DWORD>(folder.size()), &folder[0]);
  if (length >= folder.size()) {
    folder.resize(length);
    length = GetCurrentDirectoryA(static_cast<DWORD>(folder.size()), &folder[0]);
  }
  folder.resize(length < folder.size() ? length : 0);
  return folder;
}

bool MakeFolder(const char* folder) {
  if (_mkdir(folder) == 0) return true;
  return FolderExists(folder);
}

bool FolderExists(const char* folder) {
  const DWORD attributes = GetFileAttributesA(folder);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderIsEmpty(const char* folder) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((std::string(folder) + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return true;
  bool empty = true;
  do {
    const std::string name = found.cFileName;
    if (name != "." && name != "..") empty = false;
  } while (empty && FindNextFileA(search, &found));
  FindClose(search);
  return empty;
}

bool RemoveFolder(const char* folder) {
  return _rmdir(folder) == 0 || GetFileAttributesA(folder) == INVALID_FILE_ATTRIBUTES;
}

std::string FullPath(const char* path) {
  char full[MAX_PATH];
  const DWORD length = GetFullPathNameA(path, sizeof full, full, nullptr);
  return length > 0 && length < sizeof full ? std::string(full, length) : std::string(path);
}

std::string LongPath(const std::string& path) {
  const std::string full = FullPath(path.c_str());
  char longer[MAX_PATH];
  const DWORD length = GetLongPathNameA(full.c_str(), longer, sizeof longer);
  return length > 0 && length < sizeof longer ? std::string(longer, length) : full;
}
