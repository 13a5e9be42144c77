#include "package/PackageInspect.h"

#include <algorithm>
#include <cstring>
#include <map>

#include "package/PieceFormat.h"

namespace {

std::string Hex(uint32_t value) {
  static const char kDigits[] = "0123456789abcdef";
  std::string text = "0x";
  for (int shift = 28; shift >= 0; shift -= 4) text += kDigits[(value >> shift) & 0xF];
  return text;
}

class Inspection {
 public:
  Inspection(const std::string& prefix, FileOps& files) : prefix_(prefix), files_(files) {}

  PackageReport Run(const InspectProgress& progress) {
    if (!ReadHeaderPiece()) return report_;
    int number = 1;
    for (; number < report_.count; ++number) {
      if (!CheckDataPiece(number)) {
        if (!Unreadable(number))
          Problem(number, "is missing; the header counts " + std::to_string(report_.count) +
                              " pieces, so the join fails");
        return report_;
      }
      if (progress) progress(number, report_.count);
    }
    if (files_.Exists(PieceName(prefix_, number))) {
      Problem(number, "lies beyond the header's count of " + std::to_string(report_.count) +
                          "; the join reads it and fails");
    }
    return report_;
  }

 private:
  void Problem(int number, const std::string& text, bool unreadable = false) {
    report_.problems.push_back({number, PieceName(prefix_, number) + " " + text, unreadable});
  }

  // A piece that could not be opened but is there: true after naming it.
  bool Unreadable(int number) {
    if (!files_.Exists(PieceName(prefix_, number))) return false;
    Problem(number, "is there but cannot be read; another program may be holding it open", true);
    return true;
  }

  // Reads up to what the join reads; false when the piece cannot be opened.
  long ReadPiece(int number, uint8_t* buffer, size_t size) {
    const int file = files_.OpenRead(PieceName(prefix_, number));
    if (file == FileOps::kNoFile) return -1;
    const long n = files_.Read(file, buffer, size);
    files_.Close(file);
    return n;
  }

  bool ReadHeaderPiece() {
    uint8_t header[kHeaderReadSize] = {};
    if (ReadPiece(0, header, sizeof header) < 0) {
      if (!Unreadable(0)) Problem(0, "(the header piece) is missing");
      return false;
    }
    const PackageHeader parsed = ReadHeader(header);
    report_.version = parsed.version;
    report_.count = parsed.count;
    if (!VersionFieldFits(header)) Problem(0, "holds a version of more than 3 digits");
    // A header of zeros, as a broken download leaves it, fails both.
    if (parsed.version < 1) {
      Problem(0, "(the header piece) is damaged: its package version reads " +
                     std::to_string(parsed.version) + " but must be 1 or more");
    }
    if (parsed.count < 1) {
      Problem(0, "(the header piece) is damaged: its piece count reads " +
                     std::to_string(parsed.count) + " but must be 1 or more");
      return false;
    }
    return true;
  }

  // False when the piece cannot be opened. One open and one read per piece
  // keep the start-up check quick on hundreds of pieces.
  bool CheckDataPiece(int number) {
    std::memset(buffer_, 0, sizeof buffer_);
    const long n = ReadPiece(number, buffer_, sizeof buffer_);
    if (n < 0) return false;
    if (n > static_cast<long>(kMaxPieceSize)) {
      Problem(number, "is " + std::to_string(files_.Size(PieceName(prefix_, number))) +
                          " bytes; the join reads only 10048, so its end is lost");
    }
    PieceFields piece;
    const size_t read = std::min(static_cast<size_t>(n), kMaxPieceSize);
    switch (SplitDataPiece(buffer_, read, piece)) {
      case PieceShape::kTooShort:
        Problem(number, "is " + std::to_string(n) + " bytes; a data piece holds 49 to 10048");
        return true;
      case PieceShape::kNameWithoutEnd:
        Problem(number, "has a name field without a terminator");
        return true;
      case PieceShape::kOk:
        break;
    }
    const std::string name(piece.name);
    if (const char* problem = TargetNameProblem(name, prefix_)) {
      Problem(number, "names target \"" + name + "\", which " + problem);
    }
    CheckTrailer(number, piece);
    AddToFile(number, name, piece.length);
    return true;
  }

  void CheckTrailer(int number, const PieceFields& piece) {
    if (!piece.versionFits) Problem(number, "holds a version of more than 3 digits");
    if (piece.version != report_.version) {
      Problem(number, "holds version " + std::to_string(piece.version) + ", the header " +
                          std::to_string(report_.version));
    }
    if (!piece.checksumOk) {
      Problem(number, "has checksum " + Hex(piece.storedChecksum) + " but its chunk sums to " +
                          Hex(ChunkChecksum(piece.chunk, piece.length)));
    }
  }

  void AddToFile(int number, const std::string& name, size_t length) {
    std::vector<PackedFile>& files = report_.files;
    if (!files.empty() && files.back().name == name) {
      files.back().size += static_cast<long long>(length);
      files.back().lastPiece = number;
      files.back().chunkEnds.push_back(files.back().size);
      return;
    }
    auto earlier = firstSeen_.find(name);
    if (earlier != firstSeen_.end()) {
      Problem(number, "starts \"" + name + "\" again; it replaces the copy from piece " +
                          std::to_string(earlier->second));
    }
    firstSeen_[name] = number;
    files.push_back(
        {name, static_cast<long long>(length), number, number, {static_cast<long long>(length)}});
  }

  const std::string prefix_;
  FileOps& files_;
  PackageReport report_;
  std::map<std::string, int> firstSeen_;
  // One byte more than the join reads, to tell a piece that is too long.
  uint8_t buffer_[kMaxPieceSize + 1];
};

}  // namespace

PackageReport InspectPackage(const std::string& prefix, FileOps& files,
                             const InspectProgress& progress) {
  Inspection inspection(prefix, files);
  return inspection.Run(progress);
}
