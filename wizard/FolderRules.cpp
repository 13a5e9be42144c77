#include "wizard/FolderRules.h"

#include <cctype>

#include "core/NameRules.h"

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

bool ResolveAnswerFolder(const std::string& text, std::string& folder, std::string& problem) {
  std::string path = text;
  for (char& c : path)
    if (c == '/') c = '\\';
  const bool drive =
      path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':';
  if (path.compare(0, 2, "\\\\") == 0) {
    problem = text + " is a network path; the working folder must be on a drive, such as c:\\kq";
    return false;
  }
  if (drive && (path.size() == 2 || path[2] != '\\')) {
    problem = text + " is relative to the current folder of drive " + path.substr(0, 2) +
              "; give the whole path, such as " + path.substr(0, 2) + "\\" + path.substr(2);
    return false;
  }
  if (!drive) {
    problem = (text.empty() ? "the answer is empty" : text + " has no drive") +
              "; give the whole path, such as c:\\kq";
    return false;
  }
  std::vector<std::string> parts;
  for (size_t start = 3; start <= path.size();) {
    size_t end = path.find('\\', start);
    if (end == std::string::npos) end = path.size();
    const std::string part = path.substr(start, end - start);
    start = end + 1;
    if (part.empty() || part == ".") continue;
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
      continue;
    }
    if (const char* why = PlainNameProblem(part)) {
      problem = "the folder name \"" + part + "\" " + why;
      return false;
    }
    parts.push_back(part);
  }
  folder = path.substr(0, 2);
  for (const std::string& part : parts) folder += "\\" + part;
  if (folder.size() > kMaxFolderLength) {
    problem = FolderTooLongMessage();
    return false;
  }
  return true;
}
