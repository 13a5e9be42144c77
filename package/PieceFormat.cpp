#include "package/PieceFormat.h"

#include <cstring>
#include <limits>

namespace {

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (Upper(a[i]) != Upper(b[i])) return false;
  }
  return true;
}

bool IsDigit(uint8_t c) { return c >= '0' && c <= '9'; }

// "<prefix><digits>.cab" in any case: joining onto it would overwrite a piece
// that the join has yet to read or delete.
bool IsPieceOf(std::string_view name, std::string_view prefix) {
  constexpr std::string_view kExtension = ".cab";
  if (name.size() <= prefix.size() + kExtension.size()) return false;
  if (!EqualNoCase(name.substr(0, prefix.size()), prefix)) return false;
  if (!EqualNoCase(name.substr(name.size() - kExtension.size()), kExtension)) return false;
  const std::string_view number =
      name.substr(prefix.size(), name.size() - prefix.size() - kExtension.size());
  for (char c : number) {
    if (!IsDigit(static_cast<uint8_t>(c))) return false;
  }
  return true;
}

// The part of a name before its first dot, without the blanks Windows drops
// behind it: what Windows compares with its device names.
std::string_view DeviceStem(std::string_view name) {
  std::string_view stem = name.substr(0, name.find('.'));
  while (!stem.empty() && stem.back() == ' ') stem.remove_suffix(1);
  return stem;
}

// Names that open a device instead of a file in every folder, whatever
// extension follows ("con.txt", "nul .txt" and "LPT9.log" alike). Windows
// counts the superscript digits of the code page as digits here too.
bool IsDeviceName(std::string_view name) {
  const std::string_view stem = DeviceStem(name);
  for (const char* device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$", "CLOCK$"}) {
    if (EqualNoCase(stem, device)) return true;
  }
  if (stem.size() != 4) return false;
  const bool port = EqualNoCase(stem.substr(0, 3), "COM") || EqualNoCase(stem.substr(0, 3), "LPT");
  const uint8_t digit = static_cast<uint8_t>(stem[3]);
  return port &&
         ((digit >= '1' && digit <= '9') || digit == 0xB9 || digit == 0xB2 || digit == 0xB3);
}

}  // namespace

std::string PieceName(const std::string& prefix, int number) {
  return prefix + std::to_string(number) + ".cab";
}

int32_t ReadDecimal(const uint8_t* text, size_t size) {
  size_t i = 0;
  while (i < size && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < size && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  int64_t value = 0;
  constexpr int64_t kLimit = static_cast<int64_t>(std::numeric_limits<int32_t>::max()) + 1;
  for (; i < size && IsDigit(text[i]); ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > kLimit) value = kLimit;
  }
  if (negative) return static_cast<int32_t>(-value);
  return static_cast<int32_t>(value == kLimit ? kLimit - 1 : value);
}

bool VersionFieldFits(const uint8_t* field) {
  for (size_t i = 0; i < kVersionFieldSize; ++i) {
    if (!IsDigit(field[i])) return true;
  }
  return false;
}

PackageHeader ReadHeader(const uint8_t* bytes) {
  return PackageHeader{ReadDecimal(bytes, kVersionFieldSize),
                       ReadDecimal(bytes + kVersionFieldSize, kHeaderReadSize - kVersionFieldSize)};
}

uint32_t GetLittleEndian32(const uint8_t* bytes) {
  return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
         static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

void PutLittleEndian32(uint8_t* bytes, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<uint8_t>(value >> (8 * i));
}

uint32_t ChunkChecksum(const uint8_t* chunk, size_t length) {
  uint32_t sum = 0;
  size_t i = 0;
  for (; i + 4 <= length; i += 4) sum += GetLittleEndian32(chunk + i);
  uint8_t last[4] = {};
  std::memcpy(last, chunk + i, length - i);
  return sum + GetLittleEndian32(last);
}

size_t NameFieldLength(const uint8_t* field) {
  return strnlen(reinterpret_cast<const char*>(field), kNameFieldSize);
}

PieceShape SplitDataPiece(uint8_t* buffer, size_t size, PieceFields& piece) {
  if (size <= kPieceOverhead) return PieceShape::kTooShort;
  const size_t nameLength = NameFieldLength(buffer);
  if (nameLength == kNameFieldSize) return PieceShape::kNameWithoutEnd;
  piece.name = std::string_view(reinterpret_cast<const char*>(buffer), nameLength);
  piece.chunk = buffer + kNameFieldSize;
  piece.length = size - kPieceOverhead;
  uint8_t* trailer = piece.chunk + piece.length;
  piece.storedChecksum = GetLittleEndian32(trailer);
  piece.version = ReadDecimal(trailer + 4, kVersionFieldSize);
  piece.versionFits = VersionFieldFits(trailer + 4);
  std::memset(trailer, 0, kPieceTrailerSize);
  piece.checksumOk = ChunkChecksum(piece.chunk, piece.length) == piece.storedChecksum;
  return PieceShape::kOk;
}

const char* TargetNameProblem(std::string_view name, std::string_view prefix) {
  if (name.empty()) return "is empty";
  if (name.size() > kMaxNameLength) return "is longer than 39 characters";
  if (name.find_first_of("/\\") != std::string_view::npos) {
    return "has a folder part; the join creates no folders";
  }
  if (name.find(':') != std::string_view::npos) return "names a drive or a stream (\":\")";
  for (char c : name) {
    if (static_cast<uint8_t>(c) < ' ' || std::strchr("<>\"|?*", c)) {
      return "holds a character that a file name cannot hold";
    }
  }
  // Windows drops trailing dots and blanks, so such a name would be another
  // file than the one checked ("..", "temp.cab." and "a " alike).
  if (name.back() == '.' || name.back() == ' ') return "ends in a dot or a blank";
  if (IsDeviceName(name)) return "is a device name of Windows (CON, NUL, COM1, LPT1, ...)";
  if (EqualNoCase(name, kStagingFileName)) return "is the staging file \"temp.cab\"";
  if (IsPieceOf(name, prefix)) return "is a piece of the package itself";
  return nullptr;
}

bool IsHtmlName(std::string_view name) {
  constexpr std::string_view kHtml = ".HTM";
  for (size_t i = 0; i + kHtml.size() <= name.size(); ++i) {
    if (EqualNoCase(name.substr(i, kHtml.size()), kHtml)) return true;
  }
  return false;
}
