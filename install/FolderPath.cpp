#include "install/FolderPath.h"

#include <cctype>
#include <cstring>
#include <string>

#include "platform/Folders.h"

namespace {

// Restores the drive and folder that were current when it was made, however
// the walk below ends.
class CurrentFolderKeeper {
 public:
  CurrentFolderKeeper() : m_nDrive(GetCurrentDrive()), m_strFolder(GetCurrentFolder()) {}
  ~CurrentFolderKeeper() {
    ChangeDrive(m_nDrive);
    ChangeFolder(m_strFolder.c_str());
  }
  CurrentFolderKeeper(const CurrentFolderKeeper&) = delete;
  CurrentFolderKeeper& operator=(const CurrentFolderKeeper&) = delete;

 private:
  int m_nDrive;
  std::string m_strFolder;
};

bool HasDriveLetter(const char* path) {
  return std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':';
}

}  // namespace

void CreateFolderPath(char* path) {
  for (char* at = path; *at; ++at)
    *at = static_cast<char>(std::toupper(static_cast<unsigned char>(*at)));

  const CurrentFolderKeeper keeper;
  const char* rest = path;
  if (HasDriveLetter(path)) {
    if (!ChangeDrive(path[0] - 64)) return;
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
