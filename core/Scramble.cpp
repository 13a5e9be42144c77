#include "core/Scramble.h"

#include <cstring>

#include "core/ScrambleKey.h"

namespace {

constexpr size_t kWordCount = kScrambleBlockSize / 2;
// The scrambled area: words 0..18; word 19 carries the checksum.
constexpr size_t kScrambledBytes = 38;
constexpr size_t kKeyWord = 11;

uint16_t GetWord(const uint8_t* block, size_t index) {
  return static_cast<uint16_t>(block[2 * index] | (block[2 * index + 1] << 8));
}

void PutWord(uint8_t* block, size_t index, uint16_t value) {
  block[2 * index] = static_cast<uint8_t>(value & 0xFF);
  block[2 * index + 1] = static_cast<uint8_t>(value >> 8);
}

std::tm LocalTimeNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  return local;
}

uint16_t TimeKey(const std::tm& localTime) {
  return static_cast<uint16_t>(localTime.tm_sec * 256 + localTime.tm_min + kScrambleTimeOffset);
}

}  // namespace

int ChainXor(uint8_t* words, uint16_t key, size_t byteCount) {
  if (byteCount % 2 != 0) return 0;
  uint16_t chain = kScrambleChainStart;
  for (size_t i = 0; i < byteCount / 2; ++i) {
    const uint16_t mask = static_cast<uint16_t>(chain + 3 * i + key);
    chain = static_cast<uint16_t>(GetWord(words, i) ^ mask);
    PutWord(words, i, chain);
  }
  return 1;
}

uint16_t WordSum(const uint8_t* words, size_t byteCount) {
  if (byteCount % 2 != 0) return 0;
  uint16_t sum = 0;
  for (size_t i = 0; i < byteCount / 2; ++i) sum = static_cast<uint16_t>(sum + GetWord(words, i));
  return sum;
}

int ScrambleValue(const char* source, char (&destination)[kScrambledTextSize],
                  const std::tm& localTime) {
  // Zero filler behind the text keeps equal texts at equal times equal.
  uint8_t block[kScrambleBlockSize] = {};
  std::memcpy(block, source, strnlen(source, kScrambleMaxText));

  const uint16_t key = TimeKey(localTime);
  ChainXor(block, key, kScrambledBytes);
  for (size_t j = kWordCount - 1; j > kKeyWord; --j) PutWord(block, j, GetWord(block, j - 1));
  PutWord(block, kKeyWord, key);
  PutWord(block, kWordCount - 1, WordSum(block, kScrambledBytes));

  for (size_t i = 0; i < kScrambleBlockSize; ++i) {
    destination[2 * i] = kScrambleAlphabet[block[i] >> 4];
    destination[2 * i + 1] = kScrambleAlphabet[block[i] & 0x0F];
  }
  destination[2 * kScrambleBlockSize] = '\0';
  return 1;
}

int ScrambleValue(const char* source, char (&destination)[kScrambledTextSize]) {
  return ScrambleValue(source, destination, LocalTimeNow());
}
