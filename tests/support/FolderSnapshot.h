// What a folder holds, for before-and-after comparisons: its plain files
// with their content, or a whole tree's entries with the files' sizes.
#pragma once

#include <windows.h>

#include <map>
#include <set>
#include <string>

#include "tests/support/InstallChecks.h"

// The content itself when short and plain, else its size and a sum, so that
// a failure prints a readable listing.
inline std::string Summary(const std::string& content) {
  bool plain = content.size() <= 64;
  unsigned sum = 0;
  for (unsigned char c : content) {
    plain = plain && c >= ' ' && c < 127;
    sum = sum * 31 + c;
  }
  return plain ? content : std::to_string(content.size()) + " bytes, sum " + std::to_string(sum);
}

// Every plain file of a folder with the summary of its content.
inline std::map<std::string, std::string> FolderContent(const std::string& folder) {
  std::map<std::string, std::string> content;
  for (const std::string& name : FilesIn(folder))
    content[name] = Summary(ReadWholeFile(folder + "\\" + name));
  return content;
}

// Adds every folder ("path\") and file ("path size") in `folder`, and below
// it when `deep`, to `entries`.
inline void AddFolderEntries(const std::string& folder, std::set<std::string>& entries, bool deep) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = found.cFileName;
    if (name == "." || name == "..") continue;
    const std::string path = folder + "\\" + name;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      entries.insert(path + "\\");
      if (deep) AddFolderEntries(path, entries, deep);
    } else {
      entries.insert(path + " " + std::to_string(found.nFileSizeLow));
    }
  } while (FindNextFileA(search, &found));
  FindClose(search);
}
