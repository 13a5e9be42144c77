// The installation record: what goes in comes back by kind and in order,
// each thing once, through the file and past lines it does not know; a
// record that is not whole (empty, cut anywhere, damaged, foreign bytes) is
// refused with what is wrong, and the earlier format without header, end
// line and checksum is still read.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/Crc32.h"
#include "install/InstallRecord.h"
#include "install/RecordingFileOps.h"
#include "tests/host/MemoryFileOps.h"

namespace {

using Names = std::vector<std::string>;

constexpr char kLines[] =
    "folder c:\\Quelmar Run\r\nfile kq0.cab\r\nfile setup.exe\r\ngroup Quelmar Ovistra\r\n"
    "registry-key HKCU\\Software\\A B\r\nuninstall-entry HKCU\\Software\\A B\\Quelmar Ovistra\r\n"
    "log c:\\logs\\setup.log\r\n";

// A record of the present format around `lines`, counting `count` of them.
std::string Whole(const std::string& lines, int count) {
  const std::string text =
      "install-record 2 setup 1.64\r\n" + lines + "end " + std::to_string(count) + "\r\n";
  char checksum[9];
  std::snprintf(checksum, sizeof checksum, "%08x", static_cast<unsigned>(Crc32(text)));
  return text + "checksum " + checksum + "\r\n";
}

InstallRecord SampleRecord() {
  InstallRecord record;
  EXPECT_TRUE(record.Add(RecordKind::Folder, "c:\\Quelmar Run"));
  EXPECT_TRUE(record.Add(RecordKind::File, "kq0.cab"));
  EXPECT_TRUE(record.Add(RecordKind::File, "setup.exe"));
  EXPECT_FALSE(record.Add(RecordKind::File, "kq0.cab"));
  EXPECT_TRUE(record.Add(RecordKind::Group, "Quelmar Ovistra"));
  EXPECT_TRUE(record.Add(RecordKind::RegistryKey, "HKCU\\Software\\A B"));
  EXPECT_TRUE(record.Add(RecordKind::UninstallEntry, "HKCU\\Software\\A B\\Quelmar Ovistra"));
  EXPECT_TRUE(record.Add(RecordKind::Log, "c:\\logs\\setup.log"));
  return record;
}

std::string Damage(const std::string& text) {
  InstallRecord record;
  record.Add(RecordKind::File, "left over");
  std::string damage;
  EXPECT_FALSE(InstallRecord::Parse(text, record, damage)) << text;
  EXPECT_TRUE(record.Empty()) << "a refused record yields nothing";
  return damage;
}

TEST(Crc32, GivesTheCheckValueOfTheStandard) {
  EXPECT_EQ(0xCBF43926u, Crc32("123456789"));
  EXPECT_EQ(0u, Crc32(""));
}

TEST(Crc32, TextHasEightLowerCaseDigitsWithLeadingZeros) {
  EXPECT_EQ("cbf43926", Hex8(0xCBF43926u));
  EXPECT_EQ("0000000a", Hex8(10));
  EXPECT_EQ("00000000", Hex8(0));
}

TEST(InstallRecord, KeepsEachThingOnceByKindInOrderThroughTheFile) {
  MemoryFileOps disk;
  ASSERT_TRUE(SampleRecord().Save("c:\\kq\\install.rec", disk));
  EXPECT_EQ(Whole(kLines, 7), disk.files["c:\\kq\\install.rec"]);

  InstallRecord loaded;
  ASSERT_EQ(RecordState::Read, InstallRecord::Load("c:\\kq\\install.rec", loaded, disk));
  EXPECT_EQ((Names{"kq0.cab", "setup.exe"}), loaded.Values(RecordKind::File));
  EXPECT_EQ((Names{"c:\\Quelmar Run"}), loaded.Values(RecordKind::Folder));
  EXPECT_EQ((Names{"Quelmar Ovistra"}), loaded.Values(RecordKind::Group));
  EXPECT_EQ((Names{"HKCU\\Software\\A B\\Quelmar Ovistra"}),
            loaded.Values(RecordKind::UninstallEntry));
  EXPECT_EQ((Names{"c:\\logs\\setup.log"}), loaded.Values(RecordKind::Log));
  EXPECT_EQ(RecordState::Missing, InstallRecord::Load("c:\\other\\install.rec", loaded, disk));
}

TEST(InstallRecord, ReadsTheEarlierFormatWithoutHeaderEndAndChecksum) {
  InstallRecord record;
  std::string damage;
  ASSERT_TRUE(InstallRecord::Parse(kLines, record, damage)) << damage;
  EXPECT_EQ(SampleRecord().Lines(), record.Lines());
  ASSERT_TRUE(InstallRecord::Parse("file kq.exe\nfile help.html\r\nfile kq.exe\n", record, damage));
  EXPECT_EQ((Names{"kq.exe", "help.html"}), record.Values(RecordKind::File));
}

TEST(InstallRecord, PassesOverKindsItDoesNotKnowMergesAndTakesLinesOut) {
  InstallRecord record;
  std::string damage;
  ASSERT_TRUE(InstallRecord::Parse(
      Whole("file kq.exe\r\nshortcut-folder x\r\nfile help.html\r\nfile kq.exe\r\n", 4), record,
      damage))
      << damage;
  EXPECT_EQ((Names{"kq.exe", "help.html"}), record.Values(RecordKind::File));

  InstallRecord later;
  later.Add(RecordKind::File, "index.html");
  later.Add(RecordKind::File, "kq.exe");
  record.Merge(later);
  EXPECT_EQ((Names{"kq.exe", "help.html", "index.html"}), record.Values(RecordKind::File));
  record.Remove(RecordKind::File, "help.html");
  record.Remove(RecordKind::Folder, "kq.exe");
  EXPECT_EQ((Names{"kq.exe", "index.html"}), record.Values(RecordKind::File));
}

TEST(InstallRecord, ARecordThatIsNotWholeIsRefusedWithWhatIsWrong) {
  const std::string whole = Whole(kLines, 7);
  std::string wrongChecksum = whole;
  wrongChecksum[wrongChecksum.find("kq0.cab")] = 'x';
  std::string wrongCount = Whole(kLines, 6);
  std::mt19937 random(24);
  std::string noise(3000, '\0');
  for (char& c : noise) c = static_cast<char>(random());
  const struct {
    std::string text;
    const char* damage;
  } cases[] = {
      {"", "it is empty"},
      {noise, "it is not an installation record of this setup"},
      {"\x89PNG\r\n\x1a\n", "it is not an installation record of this setup"},
      {whole.substr(0, 100), "it ends before its checksum"},
      {whole.substr(0, whole.size() - 2), "it ends before its checksum"},
      {wrongChecksum, "its checksum does not match its lines"},
      {wrongCount, "its end line does not count its lines"},
      {whole + "file win.ini\r\n", "it ends before its checksum"},
      {Whole("file\r\n", 1), "line 2 has no name"},
      {"install-record 3 setup 2.00\r\n", "it was written by a newer setup"},
      {std::string(kLines).substr(0, 60), "it ends in the middle of a line"},
      {"file kq.exe\r\nfolder\r\n", "it is not an installation record of this setup"},
      {"file kq.exe\r\nautorun c:\\x.exe\r\n", "it is not an installation record of this setup"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.damage, Damage(c.text)) << c.text.substr(0, 80);
}

TEST(InstallRecord, EveryCutOfARecordIsRefused) {
  const std::string whole = Whole(kLines, 7);
  for (size_t length = 0; length < whole.size(); ++length)
    EXPECT_NE("", Damage(whole.substr(0, length))) << length;
}

TEST(InstallRecord, ADamagedFileLoadsAsDamagedWithItsReason) {
  MemoryFileOps disk;
  disk.files["c:\\kq\\install.rec"] = Whole(kLines, 7).substr(0, 100);
  InstallRecord record;
  std::string damage;
  EXPECT_EQ(RecordState::Damaged,
            InstallRecord::Load("c:\\kq\\install.rec", record, disk, &damage));
  EXPECT_EQ("it ends before its checksum", damage);
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
