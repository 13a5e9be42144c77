#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#include "install/Scramble.h"
#include "install/ScrambleKey.h"
#include "tests/support/Unscramble.h"

namespace {

std::tm At(int hour, int minute, int second) {
  std::tm time{};
  time.tm_year = 101;
  time.tm_mday = 1;
  time.tm_hour = hour;
  time.tm_min = minute;
  time.tm_sec = second;
  return time;
}

std::string Scramble(const std::string& text, const std::tm& time) {
  char result[kScrambledTextSize];
  EXPECT_EQ(1, ScrambleValue(text.c_str(), result, time));
  return result;
}

TEST(Scramble, AlphabetIsAPermutationOfTheHexDigits) {
  std::string alphabet = kScrambleAlphabet;
  std::sort(alphabet.begin(), alphabet.end());
  EXPECT_EQ("0123456789abcdef", alphabet);
}

TEST(Scramble, ResultDecodesToTheTextWithChecksumAndTimeKey) {
  const std::string texts[] = {"",
                               "a",
                               "secret",
                               "proxy.example:8080",
                               std::string(35, 'x'),
                               "0123456789abcdefghijklmnopqrstuvwxy"};
  const std::tm time = At(13, 42, 17);
  const uint16_t key = static_cast<uint16_t>(17 * 256 + 42 + kScrambleTimeOffset);
  for (const std::string& text : texts) {
    const std::string result = Scramble(text, time);
    ASSERT_EQ(80u, result.size()) << text;
    EXPECT_EQ(std::string::npos, result.find_first_not_of(kScrambleAlphabet)) << text;
    const Decoded decoded = Decode(result);
    EXPECT_TRUE(decoded.checksumOk) << text;
    EXPECT_EQ(key, decoded.key) << text;
    EXPECT_EQ(text, decoded.text);
  }
}

TEST(Scramble, KeyIsStoredLowByteFirstAtCharacters44To47) {
  const uint16_t key = static_cast<uint16_t>(59 * 256 + 3 + kScrambleTimeOffset);
  const std::string result = Scramble("pw", At(0, 3, 59));
  const std::string expected = {kScrambleAlphabet[(key >> 4) & 15], kScrambleAlphabet[key & 15],
                                kScrambleAlphabet[(key >> 12) & 15],
                                kScrambleAlphabet[(key >> 8) & 15]};
  EXPECT_EQ(expected, result.substr(44, 4));
}

TEST(Scramble, LongTextIsCutTo35Characters) {
  const std::string longText =
      "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  for (size_t length : {36u, 39u, 40u, 41u, 72u}) {
    const std::string text = longText.substr(0, length);
    const Decoded decoded = Decode(Scramble(text, At(9, 1, 2)));
    EXPECT_TRUE(decoded.checksumOk);
    EXPECT_EQ(text.substr(0, 35), decoded.text) << length;
  }
}

TEST(Scramble, MinuteAndSecondKeyTheResultButTheHourDoesNot) {
  const std::string base = Scramble("password", At(10, 20, 30));
  EXPECT_NE(base, Scramble("password", At(10, 21, 30)));
  EXPECT_NE(base, Scramble("password", At(10, 20, 31)));
  EXPECT_EQ(base, Scramble("password", At(11, 20, 30)));
  EXPECT_EQ(base, Scramble("password", At(23, 20, 30)));
}

TEST(Scramble, EqualTextsAtEqualTimesGiveEqualResultsWhateverFollowsInMemory) {
  const char first[] = "pw\0AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA";
  const char second[] = "pw\0BBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBBB";
  char a[kScrambledTextSize];
  char b[kScrambledTextSize];
  ScrambleValue(first, a, At(1, 2, 3));
  ScrambleValue(second, b, At(1, 2, 3));
  EXPECT_STREQ(a, b);
}

TEST(Scramble, ChainXorMasksEachWordWithTheScrambledWordBefore) {
  const uint16_t key = 0x1234;
  uint8_t words[4] = {};
  ASSERT_EQ(1, ChainXor(words, key, 4));
  const uint16_t w0 = static_cast<uint16_t>(kScrambleChainStart + key);
  const uint16_t w1 = static_cast<uint16_t>(w0 + 3 + key);
  EXPECT_EQ(w0 & 0xFF, words[0]);
  EXPECT_EQ(w0 >> 8, words[1]);
  EXPECT_EQ(w1 & 0xFF, words[2]);
  EXPECT_EQ(w1 >> 8, words[3]);
}

TEST(Scramble, OddByteCountsChangeNothing) {
  uint8_t words[6] = {1, 2, 3, 4, 5, 6};
  EXPECT_EQ(0, ChainXor(words, 7, 5));
  EXPECT_EQ(0, std::memcmp(words, "\1\2\3\4\5\6", 6));
  EXPECT_EQ(0, WordSum(words, 5));
}

TEST(Scramble, WordSumWrapsAtSixteenBits) {
  const uint8_t words[6] = {0xFF, 0xFF, 0x02, 0x00, 0x10, 0x01};
  EXPECT_EQ(0x0111, WordSum(words, 6));
  EXPECT_EQ(0x0001, WordSum(words, 4));
}

}  // namespace
