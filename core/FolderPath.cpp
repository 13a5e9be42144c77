#include "core/FolderPath.h"

#include <cctype>
#include <cstring>
#include <string>

#include "core/PathReading.h"
#include "platform/Folders.h"

void CreateFolderPath(char* path) {
  for (char* at = path; *at; ++at)
    *at = static_cast<char>(std::toupper(static_cast<unsigned char>(*at)));

  const CurrentFolderKeeper keeper;
  const char* rest = path;
  if (HasDriveLetter(path)) {
    // A drive-rooted path: the walk starts at that drive's root.
    if (!ChangeDrive(path[0] - 64) || !ChangeFolder("\\")) return;
    rest += 2;
  }
  if (*rest == '\\') {
    if (!ChangeFolder("\\")) return;
    ++rest;
  }
  // Every part followed by a backslash names a folder; the last part is the
  // file the path is meant for.
  for (const char* end; (end = std::strchr(rest, '\\')) != nullptr; rest = end + 1) {
    if (end == rest) continue;
    const std::string folder(rest, end);
    if (!MakeFolder(folder.c_str()) || !ChangeFolder(folder.c_str())) return;
  }
}
