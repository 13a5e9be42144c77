#include "wizard/FolderRules.h"

#include "core/NameRules.h"
#include "core/PathReading.h"

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

std::string FolderTooLongMessage() {
  return "The working folder may hold at most " + std::to_string(kMaxFolderLength) +
         " characters. Please choose a shorter folder.";
}

std::vector<std::string> FolderLevels(const std::string& folder) {
  std::vector<std::string> levels;
  const size_t first = HasDriveLetter(folder) ? 2 : 0;
  for (size_t end = folder.find('\\', first + 1);; end = folder.find('\\', end + 1)) {
    const std::string level = folder.substr(0, end);
    if (level.size() > first && level.back() != '\\') levels.push_back(level);
    if (end == std::string::npos) break;
  }
  return levels;
}

std::string ResolveAnswerFolder(const std::string& text, std::string& folder) {
  std::string path = text;
  for (char& c : path)
    if (c == '/') c = '\\';
  const PathRoot root = ReadRoot(path);
  switch (root.start) {
    case PathStart::Drive:
      break;
    case PathStart::Network:
      return text + " is a network path; the working folder must be on a drive, such as c:\\kq";
    case PathStart::DriveRelative:
      return text + " is relative to the current folder of drive " + path.substr(0, 2) +
             "; give the whole path, such as " + JoinPath(path.substr(0, 2), path.substr(2));
    case PathStart::Relative:
      return (text.empty() ? "the answer is empty" : text + " has no drive") +
             "; give the whole path, such as c:\\kq";
  }
  // As typed into the page: ".." at the root stays there, and every name
  // is one that a folder can have, trailing dots included.
  constexpr NamePolicy kAsTyped{false, false, PlainNameProblem};
  std::vector<std::string> names;
  if (const std::string why = ReadNames(path, root.namesBegin, kAsTyped, names); !why.empty())
    return "the folder name " + why;
  folder = JoinNames(root.text, names);
  return folder.size() > kMaxFolderLength ? FolderTooLongMessage() : std::string();
}
