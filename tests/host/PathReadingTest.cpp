// One reading of a path for two callers: the roots a path can start from,
// the names below them with "." and ".." resolved, and how the unattended
// working folder and the uninstaller's bounds each read the same path by
// a policy of their own.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/PathReading.h"
#include "uninst/RecordBounds.h"
#include "wizard/FolderRules.h"

namespace {

TEST(PathReading, RootsAsTheSystemReadsThem) {
  const struct {
    std::string path;
    PathStart start;
    std::string root;
    size_t namesBegin;
  } cases[] = {
      {"c:\\kq", PathStart::Drive, "c:", 3},
      {"Z:\\", PathStart::Drive, "Z:", 3},
      {"c:kq", PathStart::DriveRelative, "", 0},
      {"c:", PathStart::DriveRelative, "", 0},
      {"\\\\srv\\share\\kq", PathStart::Network, "\\\\srv\\share", 12},
      {"\\\\srv\\share", PathStart::Network, "\\\\srv\\share", 11},
      {"\\\\srv", PathStart::Network, "", 0},
      {"\\\\srv\\\\kq", PathStart::Network, "", 0},
      {"\\\\.\\c:\\kq", PathStart::Network, "", 0},
      {"\\\\?\\c:\\kq", PathStart::Network, "", 0},
      {"\\kq", PathStart::Relative, "", 0},
      {"kq", PathStart::Relative, "", 0},
      {"1:\\kq", PathStart::Relative, "", 0},
      {"", PathStart::Relative, "", 0},
  };
  for (const auto& c : cases) {
    const PathRoot root = ReadRoot(c.path);
    EXPECT_EQ(c.start, root.start) << c.path;
    EXPECT_EQ(c.root, root.text) << c.path;
    EXPECT_EQ(c.namesBegin, root.namesBegin) << c.path;
  }
}

TEST(PathReading, TheWorkingFolderAnswerAndTheUninstallersBoundsReadOnePathTwoWays) {
  // The answer resolves ".." at the root and refuses names that Windows
  // would change; the bounds refuse ".." above the root and read a name as
  // the system opens it.
  const struct {
    std::string path;
    std::string answer;  // empty: refused
    bool withinBounds;
  } cases[] = {
      {"c:\\kq", "c:\\kq", true},
      {"c:/kq/./sub/..\\", "c:\\kq", true},
      {"c:\\\\kq\\sub", "c:\\kq\\sub", true},
      {"c:\\..\\kq", "c:\\kq", false},
      {"c:\\kq.\\sub", "", true},
      {"c:\\kq \\sub", "", true},
      {"c:\\kq\\...", "", false},
      {"c:\\kq\\nul", "", false},
      {"c:\\kq\\a:b", "", false},
      {"c:\\kq\\a*b\\..", "", false},
      {"c:\\other", "c:\\other", false},
      {"c:kq", "", false},
      {"kq", "", false},
  };
  RecordBounds bounds;
  bounds.folder = "C:\\KQ";
  for (const auto& c : cases) {
    std::string folder;
    EXPECT_EQ(c.answer.empty(), !ResolveAnswerFolder(c.path, folder).empty()) << c.path;
    EXPECT_EQ(c.answer, c.answer.empty() ? "" : folder) << c.path;
    InstallRecord record;
    record.Add(RecordKind::Folder, c.path);
    EXPECT_EQ(c.withinBounds, LinesOutOfBounds(record, bounds).empty()) << c.path;
  }
}

TEST(PathReading, OnlyTheBoundsTakeANetworkPath) {
  std::string folder;
  const std::string problem = ResolveAnswerFolder("\\\\srv\\share\\kq", folder);
  EXPECT_NE(std::string::npos, problem.find("network path")) << problem;

  RecordBounds bounds;
  bounds.folder = "\\\\srv\\share\\kq";
  InstallRecord record;
  record.Add(RecordKind::Folder, "//srv/share/kq/sub");
  record.Add(RecordKind::Log, "\\\\srv\\share\\kq\\setup.log");
  EXPECT_TRUE(LinesOutOfBounds(record, bounds).empty());
}

TEST(PathReading, ReadsNamesByPolicyAndSaysWhichNameIsRefused) {
  const NamePolicy asTyped{false, false, [](std::string_view name) -> const char* {
                             return name == "bad" ? "is refused" : nullptr;
                           }};
  const NamePolicy asOpened{true, true, nullptr};
  std::vector<std::string> names;
  EXPECT_EQ("", ReadNames("c:\\..\\a\\.\\b\\..\\c.. \\", 3, asTyped, names));
  EXPECT_EQ((std::vector<std::string>{"a", "c.. "}), names);
  names.clear();
  EXPECT_EQ("", ReadNames("c:\\a\\.\\b\\..\\c.. \\", 3, asOpened, names));
  EXPECT_EQ((std::vector<std::string>{"a", "c"}), names);
  names.clear();
  EXPECT_EQ("\"..\" goes above the root", ReadNames("c:\\a\\..\\..", 3, asOpened, names));
  names.clear();
  EXPECT_EQ("\"bad\" is refused", ReadNames("c:\\bad\\..\\ok", 3, asTyped, names));
  EXPECT_EQ("\\\\srv\\share\\a\\b", JoinNames("\\\\srv\\share", {"a", "b"}));
  EXPECT_EQ("c:", JoinNames("c:", {}));
}

TEST(PathReading, DrivesJoinsAndWhatLiesInsideAFolder) {
  EXPECT_TRUE(HasDriveLetter("c:"));
  EXPECT_TRUE(HasDriveLetter("Q:kq"));
  EXPECT_FALSE(HasDriveLetter("1:\\kq"));
  EXPECT_FALSE(HasDriveLetter("c"));
  EXPECT_FALSE(HasDriveLetter(""));
  EXPECT_EQ("c:\\kq\\kq.ini", JoinPath("c:\\kq", "kq.ini"));

  const struct {
    const char* path;
    const char* folder;
    bool inside;
  } cases[] = {
      {"c:\\kq\\log.txt", "c:\\kq", true},
      {"C:\\KQ\\sub\\x", "c:\\kq", true},
      {"c:\\kq", "c:\\kq", false},
      {"c:\\kq\\", "c:\\kq", false},
      {"c:\\kqx\\log.txt", "c:\\kq", false},
      {"c:\\log.txt", "c:\\kq", false},
      {"\\log.txt", "", false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(c.inside, IsInsideFolder(c.path, c.folder)) << c.path << " in " << c.folder;
}

}  // namespace
