#include "install/JoinPackage.h"

#include <cstring>
#include <string>
#include <string_view>

#include "install/Branding.h"
#include "install/PieceFormat.h"

namespace {

// A target that another program holds open gets this many more delete
// attempts, a second apart, before the joined file is moved into its place.
constexpr int kLastTargetRetries = 15;
constexpr unsigned kRetryWaitMs = 1000;

enum class Outcome { kJoined, kNoData, kFailed };

// One join. Whenever a target cannot be put in place the join stops at once
// with the pieces untouched and the joined data in "temp.cab": going on would
// truncate the staging file for the next target and lose that data, and
// keeping the pieces lets a later join start over.
class Join {
 public:
  Join(const char* prefix, const SetupState& state, FileOps& files)
      : prefix_(prefix), files_(files), branding_(state) {}

  Outcome Run();
  int32_t version() const { return header_.version; }

 private:
  enum class Step { kNext, kFailed };

  Step JoinPiece(int number, int piece);
  Step StartTarget(const char* name, size_t length);
  bool PlaceTarget(int retries);
  bool Removed(const std::string& name);
  Step FailDeleting(int number, int piece);
  Step Fail(int piece);
  void CloseOutput();
  void DeletePieces(int reached);

  const std::string prefix_;
  FileOps& files_;
  Branding branding_;
  PackageHeader header_{};
  uint8_t buffer_[kMaxPieceSize];
  std::string target_;
  int output_ = FileOps::kNoFile;
};

Outcome Join::Run() {
  const int header = files_.OpenRead(PieceName(prefix_, 0));
  if (header == FileOps::kNoFile) return Outcome::kFailed;
  uint8_t bytes[kHeaderReadSize] = {};
  const bool read = files_.Read(header, bytes, sizeof bytes) >= 0;
  files_.Close(header);
  if (!read) return Outcome::kFailed;
  header_ = ReadHeader(bytes);

  int number = 1;
  for (;; ++number) {
    const int piece = files_.OpenRead(PieceName(prefix_, number));
    if (piece == FileOps::kNoFile) break;
    if (JoinPiece(number, piece) == Step::kFailed) return Outcome::kFailed;
  }
  CloseOutput();
  if (header_.count != number) return Outcome::kFailed;
  if (target_.empty()) {
    DeletePieces(number);
    return Outcome::kNoData;
  }
  // The pieces go only once the last file is in place, so that a target that
  // stays locked loses nothing.
  if (!PlaceTarget(kLastTargetRetries)) return Outcome::kFailed;
  DeletePieces(number);
  return Outcome::kJoined;
}

Join::Step Join::JoinPiece(int number, int piece) {
  std::memset(buffer_, 0, sizeof buffer_);
  const long n = files_.Read(piece, buffer_, sizeof buffer_);
  // A piece that cannot be read, or whose name field has no end, is not
  // deleted: it may read on a later try, and it is evidence.
  if (n < 0) return Fail(piece);
  if (n <= static_cast<long>(kPieceOverhead)) return FailDeleting(number, piece);
  const size_t length = static_cast<size_t>(n) - kPieceOverhead;

  const size_t nameLength = NameFieldLength(buffer_);
  if (nameLength == kNameFieldSize) return Fail(piece);
  const char* name = reinterpret_cast<const char*>(buffer_);
  const bool sameTarget =
      !target_.empty() && target_.compare(0, std::string::npos, name, nameLength) == 0;
  if (!sameTarget && StartTarget(name, nameLength) == Step::kFailed) {
    return Fail(piece);
  }

  uint8_t* chunk = buffer_ + kNameFieldSize;
  uint8_t* trailer = chunk + length;
  const uint32_t stored = GetLittleEndian32(trailer);
  const int32_t version = ReadDecimal(trailer + 4, kVersionFieldSize);
  std::memset(trailer, 0, kPieceTrailerSize);
  if (ChunkChecksum(chunk, length) != stored) return FailDeleting(number, piece);
  if (version != header_.version) {
    Fail(piece);
    DeletePieces(number);
    return Step::kFailed;
  }

  std::string_view data(reinterpret_cast<const char*>(chunk), length);
  if (IsHtmlName(target_)) data = branding_.Apply(data.data(), data.size());
  if (!files_.Write(output_, data.data(), data.size())) return Fail(piece);
  files_.Close(piece);
  return Step::kNext;
}

// A new name: the previous target is put in place and the staging file
// started afresh. The name is checked first, so nothing of a file that would
// land outside the folder is ever written.
Join::Step Join::StartTarget(const char* name, size_t length) {
  if (TargetNameProblem(std::string_view(name, length), prefix_)) return Step::kFailed;
  if (output_ != FileOps::kNoFile) {
    CloseOutput();
    if (!PlaceTarget(0)) return Step::kFailed;
  }
  target_.assign(name, length);
  output_ = files_.Create(kStagingFileName);
  return output_ == FileOps::kNoFile ? Step::kFailed : Step::kNext;
}

bool Join::PlaceTarget(int retries) {
  for (int attempt = 0; !Removed(target_) && attempt < retries; ++attempt) {
    files_.Wait(kRetryWaitMs);
  }
  return files_.Rename(kStagingFileName, target_);
}

// A target that is not there needs no removal, and no waiting for it.
bool Join::Removed(const std::string& name) { return files_.Delete(name) || !files_.Exists(name); }

Join::Step Join::FailDeleting(int number, int piece) {
  Fail(piece);
  files_.Delete(PieceName(prefix_, number));
  files_.Delete(kStagingFileName);
  return Step::kFailed;
}

Join::Step Join::Fail(int piece) {
  files_.Close(piece);
  CloseOutput();
  return Step::kFailed;
}

void Join::CloseOutput() {
  if (output_ == FileOps::kNoFile) return;
  files_.Close(output_);
  output_ = FileOps::kNoFile;
}

// Pieces 0 .. count - 1. Past the pieces the join has seen, the first gap
// ends the package, so a corrupt count cannot run this for billions of names.
void Join::DeletePieces(int reached) {
  for (int number = 0; number < header_.count; ++number) {
    const std::string name = PieceName(prefix_, number);
    if (number > reached && !files_.Exists(name)) break;
    files_.Delete(name);
  }
}

}  // namespace

int32_t JoinPackage(const char* prefix, SetupState& state, FileOps& files) {
  Join join(prefix, state, files);
  switch (join.Run()) {
    case Outcome::kJoined:
      state.m_nPackageVersion = join.version();
      break;
    case Outcome::kFailed:
      state.m_nPackageVersion = 0;
      break;
    case Outcome::kNoData:
      break;
  }
  return state.m_nPackageVersion;
}
