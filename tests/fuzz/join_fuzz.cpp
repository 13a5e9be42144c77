// JoinPackage over an arbitrary set of pieces in an in-memory folder, with
// arbitrary OEM values and failing creates, deletes and writes, and a target
// held open by another program. Run with -max_len of several full pieces.
// Besides the sanitizers it checks: nothing lands outside the folder or on a
// device name, a held target is never lost, a joined package leaves no piece,
// and a package that the start-up check passes joins when nothing fails.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "package/JoinPackage.h"
#include "package/PackageInspect.h"
#include "package/PieceFormat.h"
#include "tests/host/MemoryFileOps.h"

namespace {

const char* const kNames[] = {"kq.exe",    "index.html", "PAGE.HTM", "sub/a.gif",
                              "../up.txt", "C:\\x",      "temp.cab", "kq2.cab",
                              "",          "a.txt.",     "con.txt"};

// A data piece that mostly gets past the checks, so the fuzzer reaches the
// later steps: a known name, a right checksum and version unless told not to.
std::string DataPiece(FuzzedDataProvider& input, const std::string& version) {
  std::string piece(kNameFieldSize, '\0');
  if (input.ConsumeBool()) {
    const char* name = input.PickValueInArray(kNames);
    std::memcpy(&piece[0], name, std::strlen(name));
  } else {
    const std::string field = input.ConsumeBytesAsString(kNameFieldSize);
    piece.replace(0, field.size(), field);
  }
  // Full-size chunks come cheap as runs of one text; others from the input.
  if (input.ConsumeBool()) {
    const size_t length = input.ConsumeIntegralInRange<size_t>(0, kMaxChunkSize + 16);
    const std::string unit = input.ConsumeRandomLengthString(24);
    for (size_t i = 0; !unit.empty() && i < length; ++i) piece += unit[i % unit.size()];
  } else {
    piece += input.ConsumeRandomLengthString(kMaxChunkSize + 16);
  }
  if (input.ConsumeBool()) {
    const size_t length = piece.size() - kNameFieldSize;
    uint8_t trailer[kPieceTrailerSize] = {};
    PutLittleEndian32(
        trailer,
        ChunkChecksum(reinterpret_cast<const uint8_t*>(piece.data()) + kNameFieldSize, length));
    std::memcpy(trailer + 4, version.data(), std::min(version.size(), size_t{4}));
    piece.append(reinterpret_cast<const char*>(trailer), sizeof trailer);
  }
  return piece;
}

// Independent of the joiner's own rules: climbing, rooted or drive names.
bool Escapes(const std::string& name) {
  if (name.empty() || name[0] == '/' || name[0] == '\\' || name.find(':') != std::string::npos) {
    return true;
  }
  size_t start = 0;
  for (size_t end; (end = name.find_first_of("/\\", start)) != std::string::npos; start = end + 1) {
    if (name.compare(start, end - start, "..") == 0) return true;
  }
  return name.compare(start, std::string::npos, "..") == 0 || name == "con.txt";
}

void SetOem(FuzzedDataProvider& input, char (&field)[kTextSize], int& flag) {
  flag = input.ConsumeBool();
  const std::string value = input.ConsumeRandomLengthString(kTextSize);
  std::memcpy(field, value.data(), value.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  SetupState state;
  std::memset(&state, 0, sizeof state);
  state.m_nPackageVersion = 153;
  SetOem(input, state.m_szProductName, state.m_bOemProductName);
  SetOem(input, state.m_szWebSite, state.m_bOemWebSite);
  SetOem(input, state.m_szInfoEmail, state.m_bOemInfoEmail);
  SetOem(input, state.m_szCompanyName, state.m_bOemCompanyName);

  MemoryFileOps files;
  bool faults = false;
  if (input.ConsumeBool()) {
    files.failCreate.insert(kStagingFileName);
    faults = true;
  }
  if (input.ConsumeBool()) {
    files.failDelete["kq.exe"] = input.ConsumeIntegralInRange(0, 20);
    faults = true;
  }
  if (input.ConsumeBool()) {
    files.writeLimit = input.ConsumeIntegralInRange<size_t>(0, 60000);
    faults = true;
  }
  if (input.ConsumeBool()) {
    files.held["kq.exe"] = {input.ConsumeBool(), input.ConsumeIntegralInRange(-1, 20)};
    faults = true;
  }
  const bool existed = input.ConsumeBool();
  if (existed) files.files["kq.exe"] = "existing";

  const std::string version = input.ConsumeRandomLengthString(4);
  const int pieces = input.ConsumeIntegralInRange(0, 8);
  std::string header = version;
  header.resize(4, '\0');
  header += input.ConsumeBool() ? std::to_string(pieces + 1) : input.ConsumeRandomLengthString(96);
  if (input.ConsumeBool()) files.files["kq0.cab"] = header;
  for (int k = 1; k <= pieces && input.remaining_bytes() > 0; ++k) {
    files.files[PieceName("kq", k)] = DataPiece(input, version);
  }

  const bool passes = InspectPackage("kq", files).ok();
  const JoinResult result = JoinPackage("kq", state, files);
  files.Release();
  const bool failed = result == JoinResult::kFailed || result == JoinResult::kNoPackage;
  if ((failed && state.m_nPackageVersion != 0) || files.OpenCount() != 0) std::abort();
  if (existed && !files.files.count("kq.exe")) std::abort();
  if (passes && !faults && failed) std::abort();
  if (result == JoinResult::kJoined &&
      (files.files.count(kStagingFileName) || files.files.count("kq0.cab"))) {
    std::abort();
  }
  for (const auto& file : files.files) {
    if (Escapes(file.first)) std::abort();
  }
  return 0;
}
