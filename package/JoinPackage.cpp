#include "package/JoinPackage.h"

#include <cstring>
#include <string>
#include <string_view>

#include "package/Branding.h"
#include "package/PieceFormat.h"

namespace {

// A target that another program holds open gets this many more attempts,
// a second apart, to be replaced by its joined file.
constexpr int kTargetRetries = 15;
constexpr unsigned kRetryWaitMs = 1000;

// One join. Whenever a target cannot be put in place the join stops at once
// with the pieces untouched and the joined data in "temp.cab": going on would
// truncate the staging file for the next target and lose that data, and
// keeping the pieces lets a later join start over.
class Join {
 public:
  Join(const char* prefix, const SetupState& state, FileOps& files)
      : prefix_(prefix), files_(files), branding_(state) {}

  JoinResult Run();
  int32_t version() const { return header_.version; }

 private:
  enum class Step { kNext, kFailed };

  Step JoinPiece(int number, int piece);
  Step StartTarget(std::string_view name);
  bool PlaceTarget();
  Step FailDeleting(int number, int piece);
  Step Fail(int piece);
  bool CloseOutput();
  void DeletePieces(int reached);

  const std::string prefix_;
  FileOps& files_;
  Branding branding_;
  PackageHeader header_{};
  uint8_t buffer_[kMaxPieceSize];
  std::string target_;
  int output_ = FileOps::kNoFile;
};

JoinResult Join::Run() {
  const int header = files_.OpenRead(PieceName(prefix_, 0));
  if (header == FileOps::kNoFile) return JoinResult::kNoPackage;
  uint8_t bytes[kHeaderReadSize] = {};
  const bool read = files_.Read(header, bytes, sizeof bytes) >= 0;
  files_.Close(header);
  if (!read) return JoinResult::kFailed;
  header_ = ReadHeader(bytes);

  int number = 1;
  for (;; ++number) {
    const int piece = files_.OpenRead(PieceName(prefix_, number));
    if (piece == FileOps::kNoFile) break;
    if (JoinPiece(number, piece) == Step::kFailed) return JoinResult::kFailed;
  }
  const bool durable = CloseOutput();
  if (header_.count != number) return JoinResult::kFailed;
  if (target_.empty()) {
    DeletePieces(number);
    return JoinResult::kNoData;
  }
  // The pieces go only once the last file is in place, so that a target that
  // stays locked loses nothing.
  if (!durable || !PlaceTarget()) return JoinResult::kFailed;
  DeletePieces(number);
  return JoinResult::kJoined;
}

Join::Step Join::JoinPiece(int number, int piece) {
  std::memset(buffer_, 0, sizeof buffer_);
  const long n = files_.Read(piece, buffer_, sizeof buffer_);
  // A piece that cannot be read, or whose name field has no end, is not
  // deleted: it may read on a later try, and it is evidence.
  if (n < 0) return Fail(piece);
  PieceFields read;
  switch (SplitDataPiece(buffer_, static_cast<size_t>(n), read)) {
    case PieceShape::kTooShort:
      return FailDeleting(number, piece);
    case PieceShape::kNameWithoutEnd:
      return Fail(piece);
    case PieceShape::kOk:
      break;
  }
  const bool sameTarget = !target_.empty() && target_ == read.name;
  if (!sameTarget && StartTarget(read.name) == Step::kFailed) return Fail(piece);
  if (!read.checksumOk) return FailDeleting(number, piece);
  if (read.version != header_.version) {
    Fail(piece);
    DeletePieces(number);
    return Step::kFailed;
  }

  std::string_view data(reinterpret_cast<const char*>(read.chunk), read.length);
  if (IsHtmlName(target_)) data = branding_.Apply(data.data(), data.size());
  if (!files_.Write(output_, data.data(), data.size())) return Fail(piece);
  files_.Close(piece);
  return Step::kNext;
}

// A new name: the previous target is put in place and the staging file
// started afresh. The name is checked first, so nothing of a file that would
// land outside the folder is ever written.
Join::Step Join::StartTarget(std::string_view name) {
  if (TargetNameProblem(name, prefix_)) return Step::kFailed;
  if (output_ != FileOps::kNoFile && !(CloseOutput() && PlaceTarget())) return Step::kFailed;
  target_.assign(name);
  output_ = files_.Create(kStagingFileName);
  return output_ == FileOps::kNoFile ? Step::kFailed : Step::kNext;
}

// One replace, never a delete and a rename: a delete that another program's
// handle keeps pending, or a power loss between the two, would leave the
// folder without the file.
bool Join::PlaceTarget() {
  for (int attempt = 0;; ++attempt) {
    if (files_.Replace(kStagingFileName, target_)) return true;
    if (attempt == kTargetRetries) return false;
    files_.Wait(kRetryWaitMs);
  }
}

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

// True when the staging file's data is on the disk (or there was none).
bool Join::CloseOutput() {
  if (output_ == FileOps::kNoFile) return true;
  const bool flushed = files_.Flush(output_);
  files_.Close(output_);
  output_ = FileOps::kNoFile;
  return flushed;
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

JoinResult JoinPackage(const char* prefix, SetupState& state, FileOps& files) {
  Join join(prefix, state, files);
  const JoinResult result = join.Run();
  switch (result) {
    case JoinResult::kJoined:
      state.m_nPackageVersion = join.version();
      break;
    case JoinResult::kNoPackage:
    case JoinResult::kFailed:
      state.m_nPackageVersion = 0;
      break;
    case JoinResult::kNoData:
      break;
  }
  return result;
}
