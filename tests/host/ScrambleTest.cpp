#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#include "core/Scramble.h"
#include "core/ScrambleKey.h"
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

// Known answers worked out once from the rules alone (chain start 0x5a3c,
// time offset 0x1d47, alphabet "7c0e94a1fb3862d5"), not with this code: a
// change to the key material or to any step of the algorithm fails here,
// where a decoder sharing the code's constants would follow it.
TEST(Scramble, KnownAnswers) {
  const struct {
    const char* text;
    int minute, second;
    const char* scrambled;
  } cases[] = {
      {"", 0, 0,
       "fe1162b9c380a36582d6ce73a6016f9901a0fb15ddb691c24a836c21055437c0c9e7f89274a89175"},
      {"secret", 7, 42,
       "5b690b1dcf8ca55f6be50af1fa6ddbc495428f3909d69d91beee74181360507ba24cd8bfa6d79fce"},
      {"OVISTRA", 59, 59,
       "5cd9e5adbeb945d2d2941dbdc0513b959e3fd777f74bf04f0e806b7310aecd8662c915a2e96aabf7"},
      {"proxy.example:8080", 30, 5,
       "2c7d4a9b8f949ec72445ebdd24031112663596206559a40044c12deba3465b1df83c07698fda6c8a"},
      {"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx", 1, 2,
       "567ce54b5477ed4fd375eb41d87de74adf72ee44dc769fc5e049da78024ed1730940d97b010b984e"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.scrambled, Scramble(c.text, At(13, c.minute, c.second))) << c.text;
  }
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
