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

namespace {
bool HasDrive(const std::string& path) { return path.size() >= 2 && path[1] == ':'; }
}  // namespace

std::string NormalizedFolder(const std::string& text) {
  std::string folder = text;
  if (!folder.empty() && folder.back() == '\\') folder.pop_back();
  if (folder.empty() || folder.find(':') == std::string::npos) return kDefaultFolder;
  return folder;
}

std::string FolderTooLongMessage() {
  return "The working folder may hold at most " + std::to_string(kMaxFolderLength) +
         " characters. Please choose a shorter folder.";
}

std::vector<std::string> FolderLevels(const std::string& folder) {
  std::vector<std::string> levels;
  const size_t first = HasDrive(folder) ? 2 : 0;
  for (size_t end = folder.find('\\', first + 1);; end = folder.find('\\', end + 1)) {
    const std::string level = folder.substr(0, end);
    if (level.size() > first && level.back() != '\\') levels.push_back(level);
    if (end == std::string::npos) break;
  }
  return levels;
}
