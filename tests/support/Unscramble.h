// What the reading side of a scrambled settings value does: characters back
// to the 40-byte block, the checksum word checked, the key read, the chain
// undone. Shared by the scrambler's own tests and those of the settings file.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>

#include "core/ScrambleKey.h"

struct Decoded {
  // False when the text is not 80 alphabet characters or its checksum word
  // does not match.
  bool checksumOk = false;
  uint16_t key = 0;
  std::string text;
};

inline Decoded Decode(const std::string& scrambled) {
  Decoded decoded;
  if (scrambled.size() != 80) return decoded;
  uint8_t block[40];
  for (int i = 0; i < 40; ++i) {
    const char* high = std::strchr(kScrambleAlphabet, scrambled[2 * i]);
    const char* low = std::strchr(kScrambleAlphabet, scrambled[2 * i + 1]);
    if (!scrambled[2 * i] || !scrambled[2 * i + 1] || !high || !low) return decoded;
    block[i] = static_cast<uint8_t>((high - kScrambleAlphabet) * 16 + (low - kScrambleAlphabet));
  }
  auto word = [&](int i) { return static_cast<uint16_t>(block[2 * i] | block[2 * i + 1] << 8); };
  uint16_t sum = 0;
  for (int i = 0; i < 19; ++i) sum = static_cast<uint16_t>(sum + word(i));
  decoded.checksumOk = sum == word(19);
  decoded.key = word(11);
  uint16_t chain = kScrambleChainStart;
  for (int i = 0; i < 18; ++i) {
    const uint16_t scrambledWord = word(i < 11 ? i : i + 1);
    const uint16_t plain = scrambledWord ^ static_cast<uint16_t>(chain + 3 * i + decoded.key);
    chain = scrambledWord;
    decoded.text += static_cast<char>(plain & 0xFF);
    decoded.text += static_cast<char>(plain >> 8);
  }
  decoded.text.resize(std::strlen(decoded.text.c_str()));
  return decoded;
}
