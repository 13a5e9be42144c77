#include "core/PathReading.h"

#include <cctype>

#include "platform/Text.h"

bool HasDriveLetter(std::string_view path) {
  return path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':';
}

PathRoot ReadRoot(const std::string& path) {
  PathRoot root;
  if (HasDriveLetter(path)) {
    const bool whole = path.size() > 2 && path[2] == '\\';
    root.start = whole ? PathStart::Drive : PathStart::DriveRelative;
    if (whole) {
      root.text = path.substr(0, 2);
      root.namesBegin = 3;
    }
    return root;
  }
  if (path.compare(0, 2, "\\\\") != 0) return root;
  root.start = PathStart::Network;
  const size_t server = path.find('\\', 2);
  if (server == std::string::npos || server == 2 || path.compare(2, server - 2, ".") == 0)
    return root;
  const size_t share = path.find('\\', server + 1);
  if (share == server + 1) return root;
  const std::string text = path.substr(0, share);
  if (text.find(':') != std::string::npos) return root;
  root.text = text;
  root.namesBegin = share == std::string::npos ? path.size() : share + 1;
  return root;
}

std::string ReadNames(const std::string& path, size_t begin, const NamePolicy& policy,
                      std::vector<std::string>& names) {
  while (begin < path.size()) {
    size_t end = path.find('\\', begin);
    if (end == std::string::npos) end = path.size();
    std::string name = path.substr(begin, end - begin);
    begin = end + 1;
    if (name.empty() || name == ".") continue;
    if (name == "..") {
      if (!names.empty())
        names.pop_back();
      else if (policy.refuseAboveRoot)
        return "\"..\" goes above the root";
      continue;
    }
    if (policy.dropTrailingDots)
      while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.pop_back();
    if (policy.nameProblem)
      if (const char* why = policy.nameProblem(name)) return "\"" + name + "\" " + why;
    names.push_back(name);
  }
  return std::string();
}

std::string JoinNames(std::string root, const std::vector<std::string>& names) {
  for (const std::string& name : names) root = JoinPath(root, name);
  return root;
}

std::string JoinPath(std::string_view folder, std::string_view name) {
  std::string path(folder);
  path += '\\';
  path += name;
  return path;
}

bool IsInsideFolder(std::string_view path, std::string_view folder) {
  return !folder.empty() && path.size() > folder.size() + 1 && path[folder.size()] == '\\' &&
         SameTextIgnoringCase(path.substr(0, folder.size()), folder);
}
