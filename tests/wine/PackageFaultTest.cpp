// The update mode's join on a real Wine disk under the faults a user's
// machine brings: the product program held open by another process in each
// share mode, a read-only target, a full disk, device names,. Each case runs "setup.exe upgrade" as
// the product does and then looks at the disk: the user's old file or the complete new one, never
// neither; the pieces kept whenever a file was not put in place; nothing outside the folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/Folders.h"
#include "tests/driver/Process.h"
#include "tests/driver/UiDriver.h"
#include "tests/support/DiskPackages.h"

namespace {

using Content = std::map<std::string, std::string>;

const std::string kOld = "old program";
const std::string kNew = Bytes(25000, 12);

class PackageFaultTest : public testing::Test {
 protected:
  void SetUp() override {
    const std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
    m_root = GetCurrentFolder() + "\\faults-" + name;
    RemoveTree(m_root);
    CreateDirectoryA(m_root.c_str(), nullptr);
    m_folder = m_root + "\\product";
    CreateDirectoryA(m_folder.c_str(), nullptr);
    ASSERT_TRUE(CopyFileA(ui::WindowsPath(SETUP_EXE_PATH).c_str(),
                          (m_folder + "\\setup.exe").c_str(), FALSE));
  }
  void TearDown() override { RemoveTree(m_root); }

  // kq.exe of kOld and the pieces of kNew in `folder`; returns the pieces.
  Content ArrangeUpdate(const std::string& folder) {
    WriteWholeFile(folder + "\\kq.exe", kOld);
    WritePackage(folder, "kq", "4", Chunks("kq.exe", kNew));
    Content pieces = FolderContent(folder);
    pieces.erase("kq.exe");
    pieces.erase("setup.exe");
    return pieces;
  }

  // "setup.exe upgrade" in `folder`; `meanwhile` runs while it does.
  DWORD Upgrade(const std::string& folder, const std::function<void()>& meanwhile = nullptr,
                const std::string& program = std::string()) {
    ui::Process update("\"" + (program.empty() ? m_folder + "\\setup.exe" : program) + "\" upgrade",
                       folder);
    if (meanwhile) meanwhile();
    return update.WaitExit(60000);
  }

  // Waits until the join in `folder` retries to put kq.exe in place: the
  // whole new program is staged and closed, and the staging file has not
  // yet taken kq.exe's name.
  static void WaitUntilRetrying(const std::string& folder) {
    ui::Driver().WaitUntil([&] { return Staged(folder) == Summary(kNew); }, "the join retrying",
                           60000);
  }

  // The staged data once the join has closed the staging file; empty before.
  static std::string Staged(const std::string& folder) {
    // Only a file that nobody holds opens without sharing.
    HANDLE staging = CreateFileA((folder + "\\temp.cab").c_str(), GENERIC_READ, 0, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (staging == INVALID_HANDLE_VALUE) return std::string();
    CloseHandle(staging);
    return Summary(ReadWholeFile(folder + "\\temp.cab"));
  }

  // What a join that could not place kq.exe leaves: the old program, the
  // pieces as they were, the new data staged in temp.cab.
  static void ExpectKept(const std::string& folder, const Content& pieces,
                         const std::string& what) {
    Content expected = pieces;
    expected["kq.exe"] = kOld;
    expected["temp.cab"] = Summary(kNew);
    Content left = FolderContent(folder);
    left.erase("setup.exe");
    EXPECT_EQ(expected, left) << what;
  }

  std::string m_root, m_folder;
};

TEST_F(PackageFaultTest, TargetHeldOpenByAnotherProcessInEachShareMode) {
  const struct {
    const char* what;
    DWORD share;
    bool released;
  } cases[] = {
      {"no sharing, released", 0, true},
      {"read/write sharing, released", FILE_SHARE_READ | FILE_SHARE_WRITE, true},
      {"read/write/delete sharing, released",
       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, true},
      {"no sharing, never released", 0, false},
      {"read/write sharing, never released", FILE_SHARE_READ | FILE_SHARE_WRITE, false},
      {"read/write/delete sharing, never released",
       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, false},
  };
  for (const auto& c : cases) {
    RemoveTree(m_folder + "-x");
    const Content outside = FolderContent(m_root);
    const Content pieces = ArrangeUpdate(m_folder);
    HANDLE held = CreateFileA((m_folder + "\\kq.exe").c_str(), GENERIC_READ, c.share, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held) << c.what;
    const DWORD code = Upgrade(m_folder, [&] {
      // Let go once the join is seen retrying, or only after it.
      if (!c.released) return;
      WaitUntilRetrying(m_folder);
      CloseHandle(held);
      held = INVALID_HANDLE_VALUE;
    });
    if (held != INVALID_HANDLE_VALUE) CloseHandle(held);

    if (c.released) {
      EXPECT_EQ(0u, code) << c.what;
      Content left = FolderContent(m_folder);
      left.erase("setup.exe");
      EXPECT_EQ((Content{{"kq.exe", Summary(kNew)}}), left) << c.what;
    } else {
      EXPECT_EQ(1u, code) << c.what;
      ExpectKept(m_folder, pieces, c.what);
    }
    EXPECT_EQ(outside, FolderContent(m_root)) << c.what << ": nothing outside the folder";
    for (const auto& piece : pieces) DeleteFileA((m_folder + "\\" + piece.first).c_str());
    DeleteFileA((m_folder + "\\temp.cab").c_str());
  }
}

// As files copied from a CD are.
TEST_F(PackageFaultTest, ReadOnlyTargetIsReplacedWhole) {
  ArrangeUpdate(m_folder);
  const std::string target = m_folder + "\\kq.exe";
  SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(0u, Upgrade(m_folder));
  Content left = FolderContent(m_folder);
  left.erase("setup.exe");
  EXPECT_EQ((Content{{"kq.exe", Summary(kNew)}}), left);
}

// Drive S: is a small tmpfs that the Wine session maps where it may mount
// (as root), and then says so in SETUP_SMALL_DISK. Where it could, a
// missing drive is the session's fault; elsewhere the case cannot run.
TEST_F(PackageFaultTest, FullDiskKeepsTheOldFileAndThePieces) {
  const char* smallDisk = std::getenv("SETUP_SMALL_DISK");
  if (!smallDisk || std::string(smallDisk) != "S:")
    GTEST_SKIP() << "no small drive S: here: the Wine session may not mount a tmpfs (not root)";
  ASSERT_NE(GetFileAttributesA("S:\\"), INVALID_FILE_ATTRIBUTES)
      << "the Wine session mounted a small disk as S:, but the drive is not there";
  const std::string folder = "S:\\full";
  RemoveTree(folder);
  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
  const Content pieces = ArrangeUpdate(folder);
  // Fill what is left of the drive.
  HANDLE filler = CreateFileA((folder + "\\filler").c_str(), GENERIC_WRITE, 0, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, filler);
  const std::string block(512, 'f');
  DWORD written = 0;
  while (WriteFile(filler, block.data(), 512, &written, nullptr) && written == block.size()) {
  }
  CloseHandle(filler);
  const std::string fill = ReadWholeFile(folder + "\\filler");

  EXPECT_EQ(1u, Upgrade(folder));
  Content left = FolderContent(folder);
  EXPECT_EQ(kOld, left["kq.exe"]);
  EXPECT_EQ(Summary(fill), left["filler"]);
  for (const auto& piece : pieces) EXPECT_EQ(piece.second, left[piece.first]) << piece.first;
  // What fitted of the new program may stay staged; nothing else appears.
  left.erase("temp.cab");
  EXPECT_EQ(pieces.size() + 2, left.size());
  RemoveTree(folder);
}

TEST_F(PackageFaultTest, DeviceNamesAreRefusedBeforeAnythingIsWritten) {
  for (const char* name : {"con.txt", "nul .txt", "LPT9.log", "CONOUT$"}) {
    WritePackage(m_folder, "kq", "4", {{name, "to a device"}});
    const Content before = FolderContent(m_folder);
    EXPECT_EQ(1u, Upgrade(m_folder)) << name;
    EXPECT_EQ(before, FolderContent(m_folder)) << name;
    for (const auto& file : before)
      if (file.first != "setup.exe") DeleteFileA((m_folder + "\\" + file.first).c_str());
  }
}

}  // namespace
