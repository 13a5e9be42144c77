#include "wizard/FolderRules.h"

bool FolderOfChosenFile(const std::string& path, std::string& folder) {
  const size_t backslash = path.rfind('\\');
  if (backslash != std::string::npos) {
    folder = path.substr(0, backslash);
    return true;
  }
  const size_t colon = path.find(':');
  if (colon == std::string::npos) return false;
  folder = path.substr(0, colon) + ":\\kq";
  return true;
}

std::string NormalizedFolder(const std::string& text) {
  std::string folder = text;
  if (!folder.empty() && folder.back() == '\\') folder.pop_back();
  if (folder.empty() || folder.find(':') == std::string::npos) return kDefaultFolder;
  return folder;
}
