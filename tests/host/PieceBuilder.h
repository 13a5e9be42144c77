// Test-side writer of package pieces, kept apart from the product's code so
// that a shared mistake in the format cannot hide itself.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "tests/host/MemoryFileOps.h"

// Header piece: version text in 4 bytes, count text behind it, 100 bytes.
std::string HeaderPiece(const std::string& version, const std::string& count);
// Data piece: name field, chunk, checksum, version text in 4 bytes.
std::string DataPiece(const std::string& name, const std::string& chunk,
                      const std::string& version = "7");
// Byte-wise checksum: byte i of the chunk weighs 256^(i mod 4).
unsigned ByteChecksum(const std::string& chunk);

// A package's pieces: one per (name, chunk), the header counting them all.
struct PieceSpec {
  std::string name;
  std::string chunk;
};
void AddPackage(MemoryFileOps& files, const std::string& prefix, const std::string& version,
                const std::vector<PieceSpec>& pieces);
// A file cut into chunks of at most `chunkSize` bytes.
std::vector<PieceSpec> Chunks(const std::string& name, const std::string& content,
                              size_t chunkSize = 10000);
// Deterministic varied bytes, NULs included.
std::string Bytes(size_t size, unsigned seed);
