// The record that one installation run keeps: the folders the run is
// about to make are recorded outer ones first, an earlier installation's
// lines and another run's stay listed, nothing is written into a folder
// that is not there, and a run whose record cannot be saved takes away the
// folders it made, inner ones first, and only those.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "install/RecordKeeper.h"
#include "tests/host/MemoryFileOps.h"

namespace {

using Names = std::vector<std::string>;

constexpr char kRecord[] = "c:\\inst\\kq\\install.rec";

// The folders of the disk the keeper sees, and those it removed.
std::set<std::string> folders;
Names removed;

bool Exists(const char* folder) { return folders.count(folder) > 0; }
bool Remove(const char* folder) {
  removed.push_back(folder);
  folders.erase(folder);
  return true;
}

class RecordKeeperTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folders = {"c:"};
    removed.clear();
    keeper.SetFolder("c:\\inst\\kq");
  }

  InstallRecord Saved() {
    InstallRecord record;
    EXPECT_EQ(RecordState::Read, InstallRecord::Load(kRecord, record, files));
    return record;
  }

  MemoryFileOps files;
  RecordKeeper keeper{files, Exists, Remove};
};

TEST_F(RecordKeeperTest, RecordsTheFoldersToMakeOuterFirstAndSavesOnceTheyAreThere) {
  keeper.AddMissingFolders();
  keeper.Add(RecordKind::File, "kq.ini");
  EXPECT_TRUE(keeper.Unsaved());
  keeper.Save();
  EXPECT_TRUE(keeper.Unsaved()) << "no record goes into a folder that is not there";
  EXPECT_TRUE(files.files.empty());

  folders.insert({"c:\\inst", "c:\\inst\\kq"});
  keeper.AddMissingFolders();
  keeper.Save();
  EXPECT_FALSE(keeper.Unsaved());
  EXPECT_EQ((Names{"c:\\inst", "c:\\inst\\kq"}), Saved().Values(RecordKind::Folder));
  EXPECT_EQ((Names{"kq.ini"}), Saved().Values(RecordKind::File));
}

TEST_F(RecordKeeperTest, KeepsTheEarlierInstallationsLinesAndThoseAnotherRunSaved) {
  folders.insert({"c:\\inst", "c:\\inst\\kq"});
  InstallRecord earlier;
  earlier.Add(RecordKind::File, "old.txt");
  ASSERT_TRUE(earlier.Save(kRecord, files));
  keeper.KeepEarlierRecord();
  EXPECT_FALSE(keeper.Unsaved()) << "what the file holds needs no save";
  keeper.Add(RecordKind::File, "kq.ini");

  InstallRecord other = Saved();
  other.Add(RecordKind::File, "other.txt");
  ASSERT_TRUE(other.Save(kRecord, files));
  keeper.Save();
  EXPECT_EQ((Names{"old.txt", "kq.ini", "other.txt"}), Saved().Values(RecordKind::File));
}

TEST_F(RecordKeeperTest, ARecordThatCannotBeSavedTakesAwayTheFoldersTheRunMadeInnerFirst) {
  folders.insert("c:\\inst");
  keeper.AddMissingFolders();
  folders.insert("c:\\inst\\kq");
  files.failCreate.insert(kRecord);
  keeper.SaveOrTakeAwayMadeFolders();
  EXPECT_EQ((Names{"c:\\inst\\kq"}), removed) << "c:\\inst was there before the run";

  removed.clear();
  folders.insert("c:\\inst\\kq");
  files.failCreate.clear();
  keeper.SaveOrTakeAwayMadeFolders();
  EXPECT_TRUE(removed.empty()) << "a saved record tells the uninstaller";
  EXPECT_EQ((Names{"c:\\inst\\kq"}), Saved().Values(RecordKind::Folder));
}

}  // namespace
