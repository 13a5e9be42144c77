// The package piece format shared by the joiner and the packer.
//
// Header piece "<prefix>0.cab": the package version as decimal text in bytes
// 0..3 (at most 3 digits and a non-digit), the piece count (header included)
// as decimal text from byte 4; only the first 100 bytes count.
// Data piece "<prefix><k>.cab", k = 1, 2, ...: a 40-byte name field (the
// target file name and a NUL), a chunk of 1..10000 bytes of that file, the
// chunk's checksum (32-bit little-endian) and the version text in 4 bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

constexpr size_t kHeaderReadSize = 100;
constexpr size_t kVersionFieldSize = 4;
constexpr size_t kNameFieldSize = 40;
constexpr size_t kMaxNameLength = kNameFieldSize - 1;
constexpr size_t kPieceTrailerSize = 8;
constexpr size_t kPieceOverhead = kNameFieldSize + kPieceTrailerSize;
constexpr size_t kMaxChunkSize = 10000;
constexpr size_t kMaxPieceSize = kPieceOverhead + kMaxChunkSize;
constexpr int kMaxPackageVersion = 999;
constexpr char kStagingFileName[] = "temp.cab";

// The packages of a distribution: the product, whose header piece every
// distribution has, and its help.
constexpr char kProductPackage[] = "kq";
constexpr char kHelpPackage[] = "ch";

// "%s%d.cab": the name of piece `number` of the package `prefix`.
std::string PieceName(const std::string& prefix, int number);
// "<prefix><digits>.cab" in any case: a piece of the package `prefix`.
bool IsPieceOf(std::string_view name, std::string_view prefix);
// A piece of any of the packages `prefixes`.
bool IsPieceOfAny(std::string_view name, const std::vector<std::string>& prefixes);

// Decimal text within `size` bytes: leading white space, an optional sign,
// digits up to the first non-digit; 0 without digits. Clamped to 32 bits.
int32_t ReadDecimal(const uint8_t* text, size_t size);

struct PackageHeader {
  int32_t version;
  int32_t count;
};
// False when a 4-byte version field holds 4 digits, running into the next
// field.
bool VersionFieldFits(const uint8_t* field);
// Reads the header from its first kHeaderReadSize bytes.
PackageHeader ReadHeader(const uint8_t* bytes);

// Sum modulo 2^32 of the chunk as little-endian 32-bit words, the last one
// padded with zero bytes.
uint32_t ChunkChecksum(const uint8_t* chunk, size_t length);
uint32_t GetLittleEndian32(const uint8_t* bytes);
void PutLittleEndian32(uint8_t* bytes, uint32_t value);

// Length of the name in a name field, or kNameFieldSize when the field holds
// no terminator.
size_t NameFieldLength(const uint8_t* field);

// A data piece as the join reads it, split into its fields.
struct PieceFields {
  std::string_view name;
  uint8_t* chunk = nullptr;
  size_t length = 0;
  uint32_t storedChecksum = 0;
  int32_t version = 0;
  bool versionFits = false;
  bool checksumOk = false;
};
enum class PieceShape { kOk, kTooShort, kNameWithoutEnd };
// Splits the `size` bytes of a data piece read into `buffer` (zeroed behind
// them) and sums its chunk; the trailer is cleared on the way, as the sum
// covers a zero-padded last word. The joiner, the start-up check and the
// packer's verification all read pieces through this.
PieceShape SplitDataPiece(uint8_t* buffer, size_t size, PieceFields& piece);
// Why `name` may not be a target of the package `prefix`, or nullptr when it
// may: a plain file name of the folder being joined into (no folder part, no
// drive, no device name such as "con.txt"), neither the staging file nor one
// of the package's own pieces. The joiner, the start-up check and the packer
// all ask this one rule.
const char* TargetNameProblem(std::string_view name, std::string_view prefix);
// Names that get the OEM branding: ".HTM" anywhere, in any case.
bool IsHtmlName(std::string_view name);
