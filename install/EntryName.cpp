#include "install/EntryName.h"

#include <cctype>

#include "core/Crc32.h"
#include "platform/Text.h"

namespace {
constexpr size_t kMarkLength = 11;  // " (" and eight digits and ")"
}  // namespace

uint32_t FolderMark(const std::string& folder) {
  std::string upper = folder;
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return Crc32(upper);
}

std::string UninstallEntryName(const std::string& product, uint32_t folderMark) {
  return product + " (" + Hex8(folderMark) + ")";
}

bool IsEntryNameOf(const std::string& name, const std::string& product) {
  if (SameTextIgnoringCase(name, product)) return true;
  if (name.size() != product.size() + kMarkLength ||
      !SameTextIgnoringCase(name.substr(0, product.size()), product))
    return false;
  const std::string mark = name.substr(product.size());
  if (mark.compare(0, 2, " (") != 0 || mark.back() != ')') return false;
  for (size_t i = 2; i + 1 < mark.size(); ++i) {
    const char c = mark[i];
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
  }
  return true;
}
