// The installation record: what goes in comes back by kind and in order,
// each thing once, through the file and past lines it does not know.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "install/InstallRecord.h"
#include "install/RecordingFileOps.h"
#include "tests/host/MemoryFileOps.h"

namespace {

using Names = std::vector<std::string>;

TEST(InstallRecord, KeepsEachThingOnceByKindInOrderThroughTheFile) {
  InstallRecord record;
  EXPECT_TRUE(record.Add(RecordKind::Folder, "c:\\Quelmar Run"));
  EXPECT_TRUE(record.Add(RecordKind::File, "kq0.cab"));
  EXPECT_TRUE(record.Add(RecordKind::File, "setup.exe"));
  EXPECT_FALSE(record.Add(RecordKind::File, "kq0.cab"));
  EXPECT_TRUE(record.Add(RecordKind::Group, "Quelmar Ovistra"));
  EXPECT_TRUE(record.Add(RecordKind::RegistryKey, "HKCU\\Software\\A B"));
  EXPECT_TRUE(record.Add(RecordKind::UninstallEntry, "HKCU\\Software\\A B\\Quelmar Ovistra"));
  EXPECT_TRUE(record.Add(RecordKind::Log, "c:\\logs\\setup.log"));

  MemoryFileOps disk;
  ASSERT_TRUE(record.Save("c:\\kq\\install.rec", disk));
  EXPECT_EQ(
      "folder c:\\Quelmar Run\r\nfile kq0.cab\r\nfile setup.exe\r\ngroup Quelmar Ovistra\r\n"
      "registry-key HKCU\\Software\\A B\r\nuninstall-entry HKCU\\Software\\A B\\Quelmar Ovistra\r\n"
      "log c:\\logs\\setup.log\r\n",
      disk.files["c:\\kq\\install.rec"]);

  InstallRecord loaded;
  ASSERT_TRUE(InstallRecord::Load("c:\\kq\\install.rec", loaded, disk));
  EXPECT_EQ((Names{"kq0.cab", "setup.exe"}), loaded.Values(RecordKind::File));
  EXPECT_EQ((Names{"c:\\Quelmar Run"}), loaded.Values(RecordKind::Folder));
  EXPECT_EQ((Names{"Quelmar Ovistra"}), loaded.Values(RecordKind::Group));
  EXPECT_EQ((Names{"HKCU\\Software\\A B\\Quelmar Ovistra"}),
            loaded.Values(RecordKind::UninstallEntry));
  EXPECT_EQ((Names{"c:\\logs\\setup.log"}), loaded.Values(RecordKind::Log));
  EXPECT_FALSE(InstallRecord::Load("c:\\other\\install.rec", loaded, disk));
}

TEST(InstallRecord, PassesOverLinesItDoesNotKnowAndMergesAnEarlierRecord) {
  InstallRecord record = InstallRecord::Parse(
      "file kq.exe\nshortcut-folder x\nfile\n\nfile help.html\r\nfile kq.exe\n");
  EXPECT_EQ((Names{"kq.exe", "help.html"}), record.Values(RecordKind::File));

  InstallRecord later;
  later.Add(RecordKind::File, "index.html");
  later.Add(RecordKind::File, "kq.exe");
  record.Merge(later);
  EXPECT_EQ((Names{"kq.exe", "help.html", "index.html"}), record.Values(RecordKind::File));
}

TEST(RecordingFileOps, NotesWhatWasCreatedOrMovedIntoPlaceOnceNotWhatMovedAway) {
  MemoryFileOps disk;
  disk.failCreate.insert("locked.txt");
  RecordingFileOps files(disk);
  files.Close(files.Create("temp.cab"));
  EXPECT_TRUE(files.Replace("temp.cab", "kq.exe"));
  files.Close(files.Create("temp.cab"));
  EXPECT_TRUE(files.Replace("temp.cab", "help.html"));
  EXPECT_EQ(FileOps::kNoFile, files.Create("locked.txt"));
  EXPECT_FALSE(files.Replace("missing", "other.txt"));
  EXPECT_EQ((Names{"kq.exe", "help.html"}), files.Written());
  EXPECT_EQ(1u, disk.files.count("kq.exe"));
}

}  // namespace
