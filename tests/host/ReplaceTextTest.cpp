#include <gtest/gtest.h>

#include <string>

#include "package/ReplaceText.h"

namespace {

struct ReplaceCase {
  std::string source;
  size_t length;
  const char* newText;
  const char* oldText;
  std::string expected;
};

TEST(ReplaceText, Cases) {
  const ReplaceCase cases[] = {
      {"no match here", 13, "X", "Ovistra", "no match here"},
      {"Ovistra and Ovistra", 19, "Cam", "Ovistra", "Cam and Cam"},
      {"OvistraOvistra", 14, "Cam", "Ovistra", "CamCam"},
      {"ovistra OVISTRA", 15, "Cam", "Ovistra", "ovistra OVISTRA"},
      {"aaa", 3, "b", "aa", "ba"},
      {"aaaa", 4, "a", "aa", "aa"},
      {"x Ovistra y", 11, "Ovistra Ovistra", "Ovistra", "x Ovistra Ovistra y"},
      {"cut Ovistra", 6, "Cam", "Ovistra", "cut Ov"},
      {std::string("Ovistra\0Ovistra", 15), 15, "Cam", "Ovistra", "Cam"},
      {"Ovistra", 7, "", "Ovistra", ""},
      {"unchanged", 9, "X", "", "unchanged"},
      {"", 0, "X", "a", ""},
  };
  for (const ReplaceCase& c : cases) {
    std::string destination = "stale";
    EXPECT_EQ(c.expected.size(),
              ReplaceText(destination, c.source.c_str(), c.length, {{c.oldText, c.newText}}))
        << c.source;
    EXPECT_EQ(c.expected, destination) << c.source;
  }
}

TEST(ReplaceText, GrowsBeyondAnyFixedBuffer) {
  std::string source;
  while (source.size() + 7 <= 10000) source += "Ovistra";
  const std::string longName(259, 'N');
  std::string destination;
  const size_t length =
      ReplaceText(destination, source.c_str(), source.size(), {{"Ovistra", longName}});
  EXPECT_EQ(source.size() / 7 * 259, length);
  EXPECT_GT(length, 20096u);
  EXPECT_EQ(std::string::npos, destination.find_first_not_of('N'));
}

TEST(ReplaceText, LaterReplacementsNeverRewriteInsertedText) {
  std::string destination;
  const std::string source = "Quelmar Ovistra, Ovistra and Quelmar Labs";
  ReplaceText(destination, source.c_str(), source.size(),
              {{"Quelmar Ovistra", "Quelmar Ovistra Plus"},
               {"Ovistra", "Cam"},
               {"Quelmar Labs", "Ovistra Labs"},
               {"Labs", "X"}});
  EXPECT_EQ("Quelmar Ovistra Plus, Cam and Ovistra Labs", destination);
}

}  // namespace
