// The update mode: joins in the current folder, HelpUpgrade in the setup
// folder's kq.ini read with default "153" and written only after a "ch"
// join that gave a version; once black-box through "setup.exe upgrade".
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/SetupApp.h"
#include "core/SetupConfig.h"
#include "install/UpdateMode.h"
#include "package/PackageWriter.h"
#include "platform/Folders.h"
#include "platform/Profile.h"
#include "tests/driver/Process.h"
#include "tests/driver/UiDriver.h"
#include "tests/support/InstallChecks.h"
#include "tests/support/TestProgram.h"

namespace {

// The disk of one folder, with waits recorded instead of slept.
class NoWaitFolder : public ForwardingFileOps {
 public:
  explicit NoWaitFolder(const std::string& folder) : NoWaitFolder(FolderFileOps(folder)) {}
  void Wait(unsigned milliseconds) override { waits.push_back(milliseconds); }

  std::vector<unsigned> waits;

 private:
  explicit NoWaitFolder(std::unique_ptr<FileOps> disk)
      : ForwardingFileOps(*disk), m_disk(std::move(disk)) {}

  std::unique_ptr<FileOps> m_disk;
};

class UpdateModeTest : public testing::Test {
 protected:
  void SetUp() override {
    const std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
    m_folder = GetCurrentFolder() + "\\update-" + name;
    CreateDirectoryA(m_folder.c_str(), nullptr);
    for (const std::string& file : FilesIn(m_folder)) DeleteFileA((m_folder + "\\" + file).c_str());
    // The update mode keeps its settings beside the running program.
    m_ini = TestProgramFolder() + "\\kq.ini";
    DeleteFileA(m_ini.c_str());
  }
  void TearDown() override { DeleteFileA(m_ini.c_str()); }

  void Pack(const char* prefix, int version, const std::string& file, const std::string& content) {
    const std::string source = m_folder + "-source";
    CreateDirectoryA(source.c_str(), nullptr);
    WriteWholeFile(source + "\\" + file, content);
    const PackResult packed =
        PackPackage(prefix, version, {file}, *FolderFileOps(source), *FolderFileOps(m_folder));
    ASSERT_TRUE(packed.ok) << packed.error;
    DeleteFileA((source + "\\" + file).c_str());
    RemoveDirectoryA(source.c_str());
  }

  std::string HelpUpgrade() const {
    return ReadProfileValue("Kq", "HelpUpgrade", "(absent)", m_ini.c_str());
  }

  std::vector<unsigned> Update() {
    NoWaitFolder files(m_folder);
    RunUpdateMode(theApp, files);
    return files.waits;
  }

  std::string m_folder, m_ini;
};

TEST_F(UpdateModeTest, JoinsBothPackagesAndRecordsTheHelpVersion) {
  WriteWholeFile(m_folder + "\\kq.exe", "old program");
  Pack("kq", 2, "kq.exe", "new program");
  Pack("ch", 171, "help.txt", "new help");
  EXPECT_EQ(std::vector<unsigned>{5000}, Update());
  EXPECT_EQ((std::vector<std::string>{"help.txt", "kq.exe"}), FilesIn(m_folder));
  EXPECT_EQ("new program", ReadWholeFile(m_folder + "\\kq.exe"));
  EXPECT_EQ("171", HelpUpgrade());
  EXPECT_EQ(m_ini, theApp.m_szProductIni);
}

TEST_F(UpdateModeTest, WithoutChPiecesTheHelpVersionStays) {
  WriteProfileValue("Kq", "HelpUpgrade", "155", m_ini.c_str());
  Pack("kq", 2, "kq.exe", "new program");
  Update();
  EXPECT_EQ((std::vector<std::string>{"kq.exe"}), FilesIn(m_folder));
  EXPECT_EQ("155", HelpUpgrade());
}

TEST_F(UpdateModeTest, ChPieceWithBadChecksumLeavesTheHelpVersion) {
  WriteProfileValue("Kq", "HelpUpgrade", "155", m_ini.c_str());
  Pack("ch", 171, "help.txt", "new help");
  std::string piece = ReadWholeFile(m_folder + "\\ch1.cab");
  piece[41] ^= 0x20;
  WriteWholeFile(m_folder + "\\ch1.cab", piece);
  Update();
  EXPECT_EQ((std::vector<std::string>{"ch0.cab"}), FilesIn(m_folder))
      << "the bad piece and temp.cab are gone";
  EXPECT_EQ("155", HelpUpgrade());
}

TEST_F(UpdateModeTest, HeaderWithoutDataPiecesWritesTheVersionRead) {
  // A header counting only itself: the join keeps the value read before it.
  WriteWholeFile(m_folder + "\\ch0.cab", std::string("170\0"
                                                     "1",
                                                     5));
  Update();
  EXPECT_TRUE(FilesIn(m_folder).empty());
  EXPECT_EQ("153", HelpUpgrade());
}

// A program path of 285 characters, which GetModuleFileNameA cuts at 259 so
// that its folder reads as this test's folder: no join runs and no kq.ini
// appears there or anywhere.
TEST_F(UpdateModeTest, ProgramPathTooLongForKqIniWritesNothing) {
  struct LongPath : ProgramLocation {
    std::string path;
    std::string Path() override { return path; }
  } location;
  location.path = m_folder + "\\" + std::string(285 - m_folder.size() - 11, 'd') + "\\setup.exe";
  ASSERT_EQ(285u, location.path.size());
  Pack("kq", 2, "kq.exe", "new program");
  Pack("ch", 171, "help.txt", "new help");
  const std::vector<std::string> before = FilesIn(m_folder);

  SetProgramLocationForTesting(&location);
  NoWaitFolder files(m_folder);
  const bool joined = RunUpdateMode(theApp, files);
  SetProgramLocationForTesting(nullptr);

  EXPECT_FALSE(joined);
  EXPECT_TRUE(files.waits.empty());
  EXPECT_EQ(before, FilesIn(m_folder));
  EXPECT_EQ("(absent)", HelpUpgrade());
}

TEST_F(UpdateModeTest, SetupExeUpgradeRunsWithoutAWindow) {
  Pack("kq", 4, "kq.exe", "new program");
  Pack("ch", 180, "index.html", "<p>Quelmar Ovistra</p>");
  const std::string setup = m_folder + "\\setup.exe";
  ASSERT_TRUE(CopyFileA(ui::WindowsPath(SETUP_EXE_PATH).c_str(), setup.c_str(), FALSE));
  ui::Process process("\"" + setup + "\" upgrade", m_folder);
  const ui::Driver user(process.Id());
  // Watched from start to end: no window ever shows.
  const DWORD start = GetTickCount();
  while (!process.HasExited() && GetTickCount() - start < 20000) {
    EXPECT_EQ(std::vector<HWND>(), user.TopWindows());
    Sleep(ui::kPollMs);
  }
  EXPECT_EQ(0u, process.WaitExit(1000)) << "every package joined";
  EXPECT_EQ((std::vector<std::string>{"index.html", "kq.exe", "kq.ini", "setup.exe"}),
            FilesIn(m_folder));
  EXPECT_EQ("new program", ReadWholeFile(m_folder + "\\kq.exe"));
  EXPECT_EQ("180", ReadProfileValue("Kq", "HelpUpgrade", "", (m_folder + "\\kq.ini").c_str()));
}

}  // namespace
