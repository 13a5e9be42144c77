// The fixed key material of the stored-value scrambling. The installed
// product unscrambles with the same three values, so changing any of them
// makes every settings file written before unreadable.
#pragma once

#include <cstdint>

// First mask base of the word chain.
constexpr uint16_t kScrambleChainStart = 0x5A3C;
// Added to seconds * 256 + minutes to form the time key.
constexpr uint16_t kScrambleTimeOffset = 0x1D47;
// Output characters, indexed by a 4-bit value: a permutation of 0-9 and a-f.
constexpr char kScrambleAlphabet[] = "7c0e94a1fb3862d5";
static_assert(sizeof(kScrambleAlphabet) == 17, "the alphabet holds 16 characters");
