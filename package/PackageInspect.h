// Reads a package's pieces without changing anything: what files it carries
// and everything that would make a join fail or go wrong.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/FileOps.h"

struct PackedFile {
  std::string name;
  long long size = 0;
  int firstPiece = 0;
  int lastPiece = 0;
  // Where each chunk ends within the file, in piece order.
  std::vector<long long> chunkEnds;
};

struct PieceProblem {
  int piece;  // the piece number the problem is found in
  std::string text;
  // The piece is there but could not be opened: nothing is wrong with the
  // download, another program holds it.
  bool unreadable = false;
};

struct PackageReport {
  int32_t version = 0;
  int32_t count = 0;
  std::vector<PackedFile> files;
  std::vector<PieceProblem> problems;
  bool ok() const { return problems.empty(); }
};

// Called after each data piece read with its number and the header's count.
using InspectProgress = std::function<void(int piece, int count)>;

PackageReport InspectPackage(const std::string& prefix, FileOps& files,
                             const InspectProgress& progress = nullptr);
