#include "package/PieceFormat.h"

#include <cstring>
#include <limits>

#include "core/NameRules.h"
#include "platform/Text.h"

namespace {

bool IsDigit(uint8_t c) { return c >= '0' && c <= '9'; }

}  // namespace

bool IsPieceOf(std::string_view name, std::string_view prefix) {
  constexpr std::string_view kExtension = ".cab";
  if (name.size() <= prefix.size() + kExtension.size()) return false;
  if (!SameTextIgnoringCase(name.substr(0, prefix.size()), prefix)) return false;
  if (!SameTextIgnoringCase(name.substr(name.size() - kExtension.size()), kExtension)) return false;
  const std::string_view number =
      name.substr(prefix.size(), name.size() - prefix.size() - kExtension.size());
  for (char c : number) {
    if (!IsDigit(static_cast<uint8_t>(c))) return false;
  }
  return true;
}

bool IsPieceOfAny(std::string_view name, const std::vector<std::string>& prefixes) {
  for (const std::string& prefix : prefixes)
    if (IsPieceOf(name, prefix)) return true;
  return false;
}

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
  if (name.size() > kMaxNameLength) return "is longer than 39 characters";
  if (const char* problem = PlainNameProblem(name)) return problem;
  if (SameTextIgnoringCase(name, kStagingFileName)) return "is the staging file \"temp.cab\"";
  if (IsPieceOf(name, prefix)) return "is a piece of the package itself";
  return nullptr;
}

bool IsHtmlName(std::string_view name) {
  constexpr std::string_view kHtml = ".HTM";
  for (size_t i = 0; i + kHtml.size() <= name.size(); ++i) {
    if (SameTextIgnoringCase(name.substr(i, kHtml.size()), kHtml)) return true;
  }
  return false;
}
