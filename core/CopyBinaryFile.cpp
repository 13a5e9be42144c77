#include <vector>

#include "core/FolderPath.h"

namespace {
constexpr size_t kBlockSize = 4096;
}  // namespace

int CopyBinaryFile(const char* source, const char* destination, FileOps& files) {
  const int in = files.OpenRead(source);
  if (in == FileOps::kNoFile) return 0;
  // Creating the destination truncates it: were it the source itself, the
  // copy would empty the very file it reads.
  if (files.SameFile(source, destination)) {
    files.Close(in);
    return 0;
  }
  const int out = files.Create(destination);
  if (out == FileOps::kNoFile) {
    files.Close(in);
    return 0;
  }
  // A failing read or write makes the copy a failure rather than a
  // silently shortened file.
  std::vector<char> block(kBlockSize);
  bool ok = true;
  for (;;) {
    const long n = files.Read(in, block.data(), block.size());
    if (n <= 0) {
      ok = n == 0;
      break;
    }
    if (!files.Write(out, block.data(), static_cast<size_t>(n))) {
      ok = false;
      break;
    }
  }
  files.Close(in);
  files.Close(out);
  return ok ? 1 : 0;
}
