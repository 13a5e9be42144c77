// The working folder text: the folder a file chosen in the save-file dialog
// gives, and the form the installation needs.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "wizard/FolderRules.h"

namespace {

TEST(FolderRules, FolderOfChosenFile) {
  const struct {
    const char* path;
    bool changes;
    const char* folder;
  } cases[] = {
      {"D:\\Apps\\Video\\cam.exe", true, "D:\\Apps\\Video"},
      {"C:\\cam.exe", true, "C:"},
      {"E:cam", true, "E:\\kq"},
      {"E:sub:cam", true, "E:\\kq"},  // cut at the first colon
      {"\\\\server\\share\\cam.exe", true, "\\\\server\\share"},
      {"cam.exe", false, ""},
      {"", false, ""},
  };
  for (const auto& c : cases) {
    std::string folder;
    EXPECT_EQ(FolderOfChosenFile(c.path, folder), c.changes) << c.path;
    EXPECT_EQ(folder, c.folder) << c.path;
  }
}

TEST(FolderRules, NormalizedFolder) {
  const struct {
    const char* text;
    const char* folder;
  } cases[] = {
      {"c:\\kq", "c:\\kq"},
      {"d:\\apps\\", "d:\\apps"},
      {"d:\\apps\\\\", "d:\\apps\\"},  // one backslash goes
      {"C:\\", "C:"},
      {"C:", "C:"},
      {"", "c:\\kq"},
      {"\\", "c:\\kq"},
      {"apps\\kq", "c:\\kq"},
      {"d:apps", "d:apps"},
  };
  for (const auto& c : cases) EXPECT_EQ(NormalizedFolder(c.text), c.folder) << c.text;
}

// The ANSI file functions take paths of up to 259 characters.
TEST(FolderRules, EveryFileWrittenIntoTheLongestFolderHasAPathThatFits) {
  const std::string folder = "c:\\" + std::string(kMaxFolderLength - 3, 'f');
  const std::string
      written[] =
          {
              "kq.ini",
              "setup.exe",
              "uninst.exe",
              "install.rec",
              "kq10.cab",
              "ch2147483647.cab",
              "temp.cab",
              "KQProgramingLogo.jpg",
              std::string(39, 'p'),  // a product file with a full name field
          };
  size_t longest = 0;
  for (const std::string& name : written) {
    const size_t length = (folder + "\\" + name).size();
    EXPECT_LE(length, 259u) << name;
    longest = std::max(longest, length);
  }
  EXPECT_EQ(longest, 259u) << "the limit is no tighter than the longest name needs";
}

TEST(FolderRules, FolderLevelsOuterFirst) {
  const struct {
    const char* folder;
    std::vector<std::string> levels;
  } cases[] = {
      {"c:\\kq", {"c:\\kq"}},
      {"c:\\Quelmar Run\\Deep Level\\Ovistra",
       {"c:\\Quelmar Run", "c:\\Quelmar Run\\Deep Level", "c:\\Quelmar Run\\Deep Level\\Ovistra"}},
      {"C:", {}},
      {"C:\\", {}},
      {"d:\\apps\\\\x", {"d:\\apps", "d:\\apps\\\\x"}},
  };
  for (const auto& c : cases) EXPECT_EQ(FolderLevels(c.folder), c.levels) << c.folder;
}

}  // namespace
