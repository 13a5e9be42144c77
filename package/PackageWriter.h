// Makes the pieces of a package from a list of files.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/FileOps.h"

// Called after each piece written with the pieces done and the total.
using PackProgress = std::function<void(int done, int total)>;

struct PackResult {
  bool ok = false;
  std::string error;  // what went wrong, naming the file or piece
  int pieces = 0;     // the header piece included
};

// Writes the pieces of package `prefix` with `version` (1..999) carrying the
// files `names`, read from `source`, into `target`. Refuses names that do not
// fit the name field or would land outside the folder joined into, empty
// files, repeated names, and a stale piece that would follow the new ones.
// The header piece is written last, so an interrupted run leaves no package
// that a join would take.
PackResult PackPackage(const std::string& prefix, int version,
                       const std::vector<std::string>& names, FileOps& source, FileOps& target,
                       const PackProgress& progress = nullptr);
