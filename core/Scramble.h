// Scrambling of the passwords and connection details kept in the settings
// file: an 80-character text keyed by the minute and second of the run.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>

constexpr size_t kScrambleBlockSize = 40;
// Only block bytes 0..35 reach the result, so longer texts are cut here.
constexpr size_t kScrambleMaxText = 35;
// 80 characters and the terminator.
constexpr size_t kScrambledTextSize = 2 * kScrambleBlockSize + 1;

// Writes the 80-character result for `source` (cut to 35 characters) keyed by
// the local time now; returns 1.
int ScrambleValue(const char* source, char (&destination)[kScrambledTextSize]);
// The same keyed by the minute and second of `localTime`.
int ScrambleValue(const char* source, char (&destination)[kScrambledTextSize],
                  const std::tm& localTime);

// Scrambles byteCount / 2 little-endian words of `words` in place, each mask
// depending on the scrambled word before it. Returns 0 and changes nothing
// when byteCount is odd, else 1.
int ChainXor(uint8_t* words, uint16_t key, size_t byteCount);
// Sum modulo 65536 of byteCount / 2 little-endian words; 0 when byteCount is odd.
uint16_t WordSum(const uint8_t* words, size_t byteCount);
