// Folder creation for the working folder: every level made with an
// upper-case name, the caller's drive and folder current again afterwards.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "core/FolderPath.h"
#include "platform/Folders.h"
#include "tests/support/InstallChecks.h"
#include "wizard/FolderRules.h"

namespace {

// The name a folder bears on disk, as a search reports it.
std::string StoredName(const std::string& path) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(path.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return "";
  FindClose(search);
  return found.cFileName;
}

bool IsFolder(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

class FolderPathTest : public testing::Test {
 protected:
  void SetUp() override {
    m_home = GetCurrentFolder();
    m_drive = GetCurrentDrive();
  }
  void ExpectHomeCurrent() const {
    EXPECT_EQ(m_home, GetCurrentFolder());
    EXPECT_EQ(m_drive, GetCurrentDrive());
  }
  std::string m_home;
  int m_drive = 0;
};

TEST_F(FolderPathTest, CreatesEveryLevelInUpperCase) {
  const std::string base = m_home + "\\deep";
  std::string path = base + "\\Level1\\level2\\Level 3\\kq.ini";
  CreateFolderPath(&path[0]);

  EXPECT_EQ(base.substr(0, 2), path.substr(0, 2));
  for (const char* level :
       {"\\DEEP", "\\DEEP\\LEVEL1", "\\DEEP\\LEVEL1\\LEVEL2", "\\DEEP\\LEVEL1\\LEVEL2\\LEVEL 3"}) {
    std::string expected = m_home + level;
    CharUpperA(&expected[0]);
    EXPECT_TRUE(IsFolder(expected)) << expected;
    EXPECT_EQ(std::string(std::strrchr(level, '\\') + 1), StoredName(expected)) << expected;
  }
  std::string upper = base + "\\Level1\\level2\\Level 3\\kq.ini";
  CharUpperA(&upper[0]);
  EXPECT_EQ(upper, path);
  EXPECT_FALSE(IsFolder(upper)) << "the last part is the file, not a folder";
  ExpectHomeCurrent();
}

TEST_F(FolderPathTest, ExistingLevelsAreNoError) {
  std::string first = m_home + "\\again\\one\\kq.ini";
  CreateFolderPath(&first[0]);
  std::string second = m_home + "\\again\\one\\two\\kq.ini";
  CreateFolderPath(&second[0]);
  std::string expected = m_home + "\\again\\one\\two";
  CharUpperA(&expected[0]);
  EXPECT_TRUE(IsFolder(expected));
  ExpectHomeCurrent();
}

TEST_F(FolderPathTest, OtherDriveIsLeftAgain) {
  // The tests run from Wine's Z: drive; C: is the prefix's own disk.
  ASSERT_NE(3, m_drive);
  std::string path = "c:\\kqtest-other\\sub\\kq.ini";
  CreateFolderPath(&path[0]);
  EXPECT_EQ("C:\\KQTEST-OTHER\\SUB\\KQ.INI", path);
  EXPECT_TRUE(IsFolder("C:\\KQTEST-OTHER\\SUB"));
  EXPECT_EQ("KQTEST-OTHER", StoredName("C:\\KQTEST-OTHER"));
  ExpectHomeCurrent();
  RemoveDirectoryA("C:\\KQTEST-OTHER\\SUB");
  RemoveDirectoryA("C:\\KQTEST-OTHER");
}

// Wine's C runtime and CopyFileA take longer paths than Windows does;
// CreateFileA stops at 259 characters as Windows' ANSI functions do.
bool WriteWithAnsiFunctions(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok =
      WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
      written == bytes.size();
  CloseHandle(file);
  return ok;
}

TEST_F(FolderPathTest, TheLongestNamesCanBeWrittenIntoTheLongestFolderTheWizardAccepts) {
  std::string folder = m_home + "\\longest";
  while (folder.size() + 1 < kMaxFolderLength)
    folder += "\\" + std::string(std::min<size_t>(40, kMaxFolderLength - folder.size() - 1), 'x');
  if (folder.size() < kMaxFolderLength) folder += 'x';
  ASSERT_EQ(folder.size(), kMaxFolderLength);
  std::string settings = folder + "\\kq.ini";
  CreateFolderPath(&settings[0]);
  for (const std::string& name : {std::string("KQProgramingLogo.jpg"), std::string(39, 'p')}) {
    const std::string target = folder + "\\" + name;
    EXPECT_TRUE(WriteWithAnsiFunctions(target, "bytes")) << name;
    EXPECT_EQ(ReadWholeFile(target), "bytes") << name;
  }
}

TEST_F(FolderPathTest, UnusablePathLeavesTheCurrentFolder) {
  // A file where a folder should be stops the walk.
  const std::string blocker = m_home + "\\blocker";
  HANDLE file = CreateFileA(blocker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  CloseHandle(file);
  std::string path = blocker + "\\inside\\kq.ini";
  CreateFolderPath(&path[0]);
  EXPECT_FALSE(IsFolder(blocker + "\\inside"));
  ExpectHomeCurrent();
}

}  // namespace
