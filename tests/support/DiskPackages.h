// Packages written to a real folder by the tests' own piece writer.
#pragma once

#include <string>
#include <vector>

#include "tests/host/MemoryFileOps.h"
#include "tests/host/PieceBuilder.h"
#include "tests/support/FolderSnapshot.h"
#include "tests/support/InstallChecks.h"

// Writes the pieces of a package with one piece per (name, chunk).
inline void WritePackage(const std::string& folder, const std::string& prefix,
                         const std::string& version, const std::vector<PieceSpec>& pieces) {
  MemoryFileOps made;
  AddPackage(made, prefix, version, pieces);
  for (const auto& [name, content] : made.files) WriteWholeFile(folder + "\\" + name, content);
}
