#include "package/PackageWriter.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <string_view>

#include "package/Branding.h"
#include "package/PieceFormat.h"

namespace {

struct PlannedFile {
  std::string name;
  std::vector<size_t> chunks;  // the chunk lengths, in piece order
};

std::string Lowered(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

// Full chunks, except that an HTML file's chunk ends early rather than split
// a text that the setup brands. Empty when an HTML file cannot be read.
std::vector<size_t> ChunkLengths(const std::string& name, long long size, FileOps& source) {
  std::vector<size_t> chunks;
  if (!IsHtmlName(name)) {
    for (long long left = size; left > 0; left -= static_cast<long long>(chunks.back())) {
      chunks.push_back(static_cast<size_t>(std::min<long long>(left, kMaxChunkSize)));
    }
    return chunks;
  }
  std::string text(static_cast<size_t>(size), '\0');
  const int in = source.OpenRead(name);
  if (in == FileOps::kNoFile) return chunks;
  const long n = source.Read(in, &text[0], text.size());
  source.Close(in);
  if (n != static_cast<long>(text.size())) return chunks;
  for (std::string_view rest(text); !rest.empty(); rest.remove_prefix(chunks.back())) {
    chunks.push_back(BrandingSafeChunkLength(rest, kMaxChunkSize));
  }
  return chunks;
}

// Checks everything that can be checked before a byte is written.
std::string Plan(const std::string& prefix, int version, const std::vector<std::string>& names,
                 FileOps& source, FileOps& target, std::vector<PlannedFile>& plan, int& pieces) {
  if (version < 1 || version > kMaxPackageVersion) {
    return "version " + std::to_string(version) + " is not 1 to 999";
  }
  if (prefix.empty() || TargetNameProblem(PieceName(prefix, 0), "")) {
    return "prefix \"" + prefix + "\" does not make plain piece names";
  }
  // "kq1" would make "kq10.cab", which is also piece 10 of "kq".
  if (prefix.back() >= '0' && prefix.back() <= '9') {
    return "prefix \"" + prefix + "\" ends in a digit, so its pieces would pass for another's";
  }
  if (names.empty()) return "no file to pack";
  // Windows compares names without regard to case: the second would
  // replace the first.
  std::map<std::string, std::string> seen;
  pieces = 1;
  for (const std::string& name : names) {
    if (const char* problem = TargetNameProblem(name, prefix)) {
      return "file name \"" + name + "\" " + problem;
    }
    const auto [earlier, added] = seen.emplace(Lowered(name), name);
    if (!added) {
      return earlier->second == name
                 ? "\"" + name + "\" is listed twice"
                 : "\"" + earlier->second + "\" and \"" + name + "\" are one file on Windows";
    }
    const long long size = source.Size(name);
    if (size < 0) return "\"" + name + "\" cannot be found";
    if (size == 0) return "\"" + name + "\" is empty; a piece carries 1 to 10000 bytes";
    plan.push_back({name, ChunkLengths(name, size, source)});
    if (plan.back().chunks.empty()) return "\"" + name + "\" cannot be read";
    pieces += static_cast<int>(plan.back().chunks.size());
  }
  if (target.Exists(PieceName(prefix, pieces))) {
    return "stale piece " + PieceName(prefix, pieces) +
           " would follow the new pieces and fail the join; remove it";
  }
  return std::string();
}

bool WriteWhole(FileOps& target, const std::string& name, const uint8_t* data, size_t size) {
  const int file = target.Create(name);
  if (file == FileOps::kNoFile) return false;
  const bool written = target.Write(file, data, size);
  target.Close(file);
  return written;
}

class PieceWriter {
 public:
  PieceWriter(const std::string& prefix, int version, FileOps& target)
      : prefix_(prefix), target_(target), version_(std::to_string(version)) {}

  // Pieces next.. of one file; the error names what failed.
  std::string WriteFile(const PlannedFile& file, FileOps& source, int& next,
                        const std::function<void()>& written) {
    const int in = source.OpenRead(file.name);
    if (in == FileOps::kNoFile) return "\"" + file.name + "\" cannot be opened";
    std::string error = CopyChunks(file, source, in, next, written);
    uint8_t extra;
    if (error.empty() && source.Read(in, &extra, 1) != 0) error = Changed(file);
    source.Close(in);
    return error;
  }

  std::string WriteHeader(int count) {
    uint8_t header[kHeaderReadSize] = {};
    const std::string pieces = std::to_string(count);
    std::memcpy(header, version_.data(), version_.size());
    std::memcpy(header + kVersionFieldSize, pieces.data(), pieces.size());
    if (!WriteWhole(target_, PieceName(prefix_, 0), header, sizeof header)) {
      return "cannot write " + PieceName(prefix_, 0);
    }
    return std::string();
  }

 private:
  static std::string Changed(const PlannedFile& file) {
    return "\"" + file.name + "\" changed while it was packed";
  }

  std::string CopyChunks(const PlannedFile& file, FileOps& source, int in, int& next,
                         const std::function<void()>& written) {
    uint8_t* chunk = piece_ + kNameFieldSize;
    for (const size_t length : file.chunks) {
      std::memset(piece_, 0, sizeof piece_);
      std::memcpy(piece_, file.name.data(), file.name.size());
      if (source.Read(in, chunk, length) != static_cast<long>(length)) return Changed(file);
      PutLittleEndian32(chunk + length, ChunkChecksum(chunk, length));
      std::memcpy(chunk + length + 4, version_.data(), version_.size());
      if (!WriteWhole(target_, PieceName(prefix_, next), piece_, kPieceOverhead + length)) {
        return "cannot write " + PieceName(prefix_, next);
      }
      written();
      ++next;
    }
    return std::string();
  }

  const std::string prefix_;
  FileOps& target_;
  // 1 to 999: the digits fit the version field with its terminator.
  std::string version_;
  uint8_t piece_[kMaxPieceSize];
};

}  // namespace

PackResult PackPackage(const std::string& prefix, int version,
                       const std::vector<std::string>& names, FileOps& source, FileOps& target,
                       const PackProgress& progress) {
  PackResult result;
  std::vector<PlannedFile> plan;
  int count = 0;
  result.error = Plan(prefix, version, names, source, target, plan, count);
  if (!result.error.empty()) return result;

  target.Delete(PieceName(prefix, 0));
  PieceWriter writer(prefix, version, target);
  int next = 1;
  const auto written = [&] {
    if (progress) progress(next, count);
  };
  for (const PlannedFile& file : plan) {
    result.error = writer.WriteFile(file, source, next, written);
    if (!result.error.empty()) return result;
  }
  result.error = writer.WriteHeader(count);
  if (!result.error.empty()) return result;
  if (progress) progress(count, count);
  result.ok = true;
  result.pieces = count;
  return result;
}
