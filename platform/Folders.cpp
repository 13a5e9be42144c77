#include "platform/Folders.h"

#include <direct.h>
#include <cctype>
#include <cstdio>
#include <sys/stat.h>

#include "app/SetupState.h"
#include "platform/Win32.h"

std::string ProgramPath() {
  char path[kTextSize] = {};
  GetModuleFileNameA(nullptr, path, kTextSize);
  return path;
}

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
  const DWORD attributes = GetFileAttributesA(folder);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool RemoveFolder(const char* folder) {
  return _rmdir(folder) == 0 || GetFileAttributesA(folder) == INVALID_FILE_ATTRIBUTES;
}

bool HasDriveLetter(const char* path) {
  return std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':';
}
