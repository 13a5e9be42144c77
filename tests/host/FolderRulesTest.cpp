// The working folder text: the folder a file chosen in the save-file dialog
// gives, and the form the installation needs.
#include <gtest/gtest.h>

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

TEST(FolderRules, LongestFolderLeavesRoomForTheSettingsFile) {
  EXPECT_EQ(kMaxFolderLength, 252u);
  const std::string path = std::string(kMaxFolderLength, 'a') + "\\kq.ini";
  EXPECT_EQ(path.size() + 1, static_cast<size_t>(kTextSize));
}

}  // namespace
