// Packages written to a real folder by the tests' own piece writer, and a
// folder's whole content for before-and-after comparisons.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "tests/host/MemoryFileOps.h"
#include "tests/host/PieceBuilder.h"
#include "tests/support/InstallChecks.h"

// Writes the pieces of a package with one piece per (name, chunk).
inline void WritePackage(const std::string& folder, const std::string& prefix,
                         const std::string& version, const std::vector<PieceSpec>& pieces) {
  MemoryFileOps made;
  AddPackage(made, prefix, version, pieces);
  for (const auto& [name, content] : made.files) WriteWholeFile(folder + "\\" + name, content);
}

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
