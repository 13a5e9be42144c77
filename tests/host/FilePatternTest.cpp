#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "package/FilePattern.h"
#include "tests/host/MemoryFileOps.h"

namespace {

TEST(FilePattern, Matching) {
  const struct {
    const char* pattern;
    const char* name;
    bool match;
  } cases[] = {
      {"*.html", "index.html", true},
      {"*.html", "INDEX.HTML", true},
      {"*.html", "index.htm", false},
      {"*.html", "a.html.bak", false},
      {"*", "", true},
      {"*", "anything", true},
      {"?.gif", "a.gif", true},
      {"?.gif", "ab.gif", false},
      {"a*b*c", "aXXbYYc", true},
      {"a*b*c", "aXXbYY", false},
      {"*a*a*a", "aaaa", true},
      {"*a*a*a", "aa", false},
      {"kq.exe", "kq.exe", true},
      {"kq.exe", "kq.ex", false},
      {"", "", true},
      {"", "a", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.match, WildcardMatch(c.pattern, c.name)) << c.pattern << " " << c.name;
  }
}

TEST(FilePattern, ExpansionInTheNamedFolderSorted) {
  MemoryFileOps files;
  files.files = {{"b.html", ""},
                 {"a.html", ""},
                 {"c.gif", ""},
                 {"pages/x.html", ""},
                 {"pages/deep/y.html", ""}};
  EXPECT_EQ((std::vector<std::string>{"a.html", "b.html"}), ExpandPattern("*.html", files));
  EXPECT_EQ((std::vector<std::string>{"pages/x.html"}), ExpandPattern("pages/*.html", files));
  EXPECT_EQ((std::vector<std::string>{"missing.exe"}), ExpandPattern("missing.exe", files));
  EXPECT_TRUE(ExpandPattern("*.wav", files).empty());
}

}  // namespace
