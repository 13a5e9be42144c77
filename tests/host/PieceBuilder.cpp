#include "tests/host/PieceBuilder.h"

std::string HeaderPiece(const std::string& version, const std::string& count) {
  std::string piece = version;
  piece.resize(4, '\0');
  piece += count;
  piece.resize(100, '\0');
  return piece;
}

unsigned ByteChecksum(const std::string& chunk) {
  unsigned sum = 0;
  for (size_t i = 0; i < chunk.size(); ++i) {
    sum += static_cast<unsigned>(static_cast<unsigned char>(chunk[i])) << (8 * (i % 4));
  }
  return sum;
}

std::string DataPiece(const std::string& name, const std::string& chunk,
                      const std::string& version) {
  std::string piece = name;
  piece.resize(40, '\0');
  piece += chunk;
  const unsigned sum = ByteChecksum(chunk);
  for (int i = 0; i < 4; ++i) piece += static_cast<char>((sum >> (8 * i)) & 0xFF);
  std::string versionField = version;
  versionField.resize(4, '\0');
  return piece + versionField;
}

void AddPackage(MemoryFileOps& files, const std::string& prefix, const std::string& version,
                const std::vector<PieceSpec>& pieces) {
  files.files[prefix + "0.cab"] = HeaderPiece(version, std::to_string(pieces.size() + 1));
  for (size_t i = 0; i < pieces.size(); ++i) {
    files.files[prefix + std::to_string(i + 1) + ".cab"] =
        DataPiece(pieces[i].name, pieces[i].chunk, version);
  }
}

std::vector<PieceSpec> Chunks(const std::string& name, const std::string& content,
                              size_t chunkSize) {
  std::vector<PieceSpec> pieces;
  for (size_t at = 0; at < content.size(); at += chunkSize) {
    pieces.push_back({name, content.substr(at, chunkSize)});
  }
  return pieces;
}

std::string Bytes(size_t size, unsigned seed) {
  std::string bytes(size, '\0');
  unsigned state = seed * 2654435761u + 1;
  for (char& c : bytes) {
    state = state * 1103515245u + 12345u;
    c = static_cast<char>(state >> 23);
  }
  return bytes;
}
