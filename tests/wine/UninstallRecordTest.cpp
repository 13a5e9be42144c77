// uninst.exe against a record that is not the installation's own, black-box
// on an unattended installation: every line that reaches outside what the
// installation made is refused and named, and nothing at all is removed,
// neither its target nor the installation; a damaged record (random bytes,
// empty, cut, a wrong checksum) is refused with exit 1 before anything is
// removed; a record of the earlier format still removes the installation.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "install/InstallRecord.h"
#include "tests/support/RemovalFixture.h"

namespace {

constexpr char kVictims[] = "C:\\Quelmar Victims";
constexpr char kVictimKey[] = "Software\\Quelmar Victim";

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// The installation as the removal would find it: its files, the group, the
// entry.
struct Installation {
  std::vector<std::string> files, group, entries;
  bool operator==(const Installation& other) const {
    return files == other.files && group == other.group && entries == other.entries;
  }
};

Installation Installed() {
  return {FilesIn(kRemovalWork), FilesIn(StartMenuGroup("Quelmar Ovistra")),
          EntriesListing(HKEY_CURRENT_USER, kRemovalWork)};
}

// What a hostile line aims at, outside the installation: files and a folder
// of the user's, the user's StartUp folder with a file in it, an empty
// folder, a key with a value, a text file a log would grow.
Snapshot Victims() {
  Snapshot state;
  AddFolderEntries(kVictims, state, true);
  AddFolderEntries(StartMenuGroup("StartUp"), state, true);
  AddKeys(HKEY_LOCAL_MACHINE, kVictimKey, state);
  AddKeys(HKEY_CURRENT_USER, kVictimKey, state);
  state.insert("system.ini: " + ReadWholeFile(std::string(kVictims) + "\\system.ini"));
  return state;
}

class UninstallRecordTest : public RemovalFixture {
 protected:
  void SetUp() override {
    RemovalFixture::SetUp();
    RemoveTree(kVictims);
    CreateDirectoryA(kVictims, nullptr);
    CreateDirectoryA((std::string(kVictims) + "\\Empty").c_str(), nullptr);
    CreateDirectoryA((std::string(kVictims) + "\\Other").c_str(), nullptr);
    WriteWholeFile(std::string(kVictims) + "\\win.ini", "[fonts]\r\n");
    WriteWholeFile(std::string(kVictims) + "\\Other\\index.html", "the user's page");
    WriteWholeFile(std::string(kVictims) + "\\system.ini", "[boot]\r\n");
    CreateDirectoryA(StartMenuGroup("StartUp").c_str(), nullptr);
    WriteWholeFile(StartMenuGroup("StartUp") + "\\Notes.lnk", "the user's start-up item");
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
      HKEY key = nullptr;
      RegCreateKeyA(root, kVictimKey, &key);
      RegSetValueExA(key, "Arial", 0, REG_SZ, reinterpret_cast<const BYTE*>("Liberation"), 11);
      RegCloseKey(key);
    }
  }
  void TearDown() override {
    RemoveTree(kVictims);
    DeleteFileA((StartMenuGroup("StartUp") + "\\Notes.lnk").c_str());
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) RegDeleteKeyA(root, kVictimKey);
    RemovalFixture::TearDown();
  }

  static std::string RecordPath() { return std::string(kRemovalWork) + "\\install.rec"; }
};

TEST_F(UninstallRecordTest, EveryLineOutsideTheInstallationIsRefusedAndNothingIsRemoved) {
  ASSERT_EQ(0u, InstallUnattended());
  InstallRecord record;
  ASSERT_EQ(RecordState::Read, InstallRecord::Load(RecordPath(), record));
  const Installation installed = Installed();
  const Snapshot victims = Victims();
  char shortVictims[MAX_PATH] = {};
  GetShortPathNameA(kVictims, shortVictims, MAX_PATH);
  ASSERT_NE(std::string(kVictims), shortVictims) << "the folder has a short name";
  const std::string startUp = StartMenuGroup("StartUp");
  const std::string up = "..\\..\\..\\Quelmar Victims";

  const struct {
    RecordKind kind;
    std::string value;
  } lines[] = {
      {RecordKind::File, up + "\\win.ini"},
      {RecordKind::File, std::string(kVictims) + "\\win.ini"},
      {RecordKind::File, "C:/Quelmar Victims/Other/index.html"},
      {RecordKind::Folder, std::string(kRemovalWork) + "\\" + up + "\\Empty"},
      {RecordKind::Folder, std::string(kVictims) + "\\Empty"},
      {RecordKind::Folder, std::string(shortVictims) + "\\Empty"},
      {RecordKind::Folder, std::string(shortVictims) + "\\Other"},
      {RecordKind::Folder, startUp},
      {RecordKind::Group, "StartUp"},
      {RecordKind::Shortcut, startUp + "\\Notes.lnk"},
      {RecordKind::Shortcut, StartMenuGroup("Quelmar Ovistra") + "\\..\\StartUp\\Notes.lnk"},
      {RecordKind::UninstallEntry, std::string("HKLM\\") + kVictimKey},
      {RecordKind::UninstallEntry,
       std::string("HKCU\\") + kInstalledProgramsKey + "\\..\\..\\..\\..\\..\\Quelmar Victim"},
      {RecordKind::RegistryKey, std::string("HKCU\\") + kVictimKey},
      {RecordKind::Log, std::string(kVictims) + "\\system.ini"},
      {RecordKind::Log, std::string(kRemovalWork) + "\\" + up + "\\system.ini"},
  };
  for (const auto& line : lines) {
    const std::string text = std::string(RecordKindWord(line.kind)) + " " + line.value;
    InstallRecord hostile = record;
    hostile.Add(line.kind, line.value);
    ASSERT_TRUE(hostile.Save(RecordPath()));

    const RunOutcome removal = Uninstall();
    EXPECT_EQ(1u, removal.exitCode) << text;
    EXPECT_TRUE(Contains(removal.errors,
                         "names what is not this installation's, so nothing was "
                         "removed:\n" +
                             text + ": "))
        << text << "\n"
        << removal.errors;
    EXPECT_EQ(victims, Victims()) << text;
    EXPECT_TRUE(installed == Installed()) << text << ": the installation is untouched";
  }
  // The record written back as the installation wrote it removes it all.
  ASSERT_TRUE(record.Save(RecordPath()));
  EXPECT_EQ(0u, Uninstall().exitCode);
  EXPECT_TRUE(RemovalCopyDone());
  EXPECT_EQ(victims, Victims());
}

TEST_F(UninstallRecordTest, ADamagedRecordIsRefusedBeforeAnythingIsRemoved) {
  ASSERT_EQ(0u, InstallUnattended());
  const std::string whole = ReadWholeFile(RecordPath());
  ASSERT_GT(whole.size(), 300u);
  std::mt19937 random(24);
  std::string noise(3000, '\0');
  for (char& c : noise) c = static_cast<char>(random());
  std::string altered = whole;
  altered[altered.find("file kq.exe") + 5] = 'w';
  const Installation installed = Installed();
  const struct {
    const char* what;
    std::string text, damage;
  } cases[] = {
      {"3,000 random bytes", noise, "it is not an installation record of this setup"},
      {"an empty file", "", "it is empty"},
      {"a file cut at byte 300", whole.substr(0, 300), "it ends before its checksum"},
      {"a line changed", altered, "its checksum does not match its lines"},
  };
  for (const auto& c : cases) {
    WriteWholeFile(RecordPath(), c.text);
    const RunOutcome removal = Uninstall();
    EXPECT_EQ(1u, removal.exitCode) << c.what;
    EXPECT_TRUE(Contains(removal.errors, "The installation record " + OnDisk(kRemovalWork) +
                                             "\\install.rec is damaged: " + c.damage +
                                             ". Nothing was removed."))
        << c.what << "\n"
        << removal.errors;
    EXPECT_TRUE(installed == Installed()) << c.what << ": nothing removed";
    EXPECT_EQ(c.text, ReadWholeFile(RecordPath())) << c.what;
  }

  // Asked, the refusal is a message of its own, with the product's name as
  // its title.
  WriteWholeFile(RecordPath(), noise);
  ui::Process asked("\"" + std::string(kRemovalWork) + "\\uninst.exe\"", kRemovalWork);
  const ui::Driver user(asked.Id());
  const ui::MessageBoxView box = user.WaitMessageBox(15000);
  EXPECT_TRUE(Contains(box.text, "is damaged: it is not an installation record of this setup"))
      << box.text;
  EXPECT_EQ("Quelmar Ovistra", box.title);
  user.Answer(box, IDOK);
  EXPECT_EQ(1u, asked.WaitExit());
  EXPECT_TRUE(installed == Installed());
}

TEST_F(UninstallRecordTest, ARecordOfTheEarlierFormatStillRemovesTheInstallation) {
  const Snapshot before = PrefixState();
  ASSERT_EQ(0u, InstallUnattended());
  InstallRecord record;
  ASSERT_EQ(RecordState::Read, InstallRecord::Load(RecordPath(), record));
  // The lines alone, as installations before the header wrote them.
  std::string earlier;
  for (const RecordLine& line : record.Lines())
    earlier += std::string(RecordKindWord(line.kind)) + " " + line.value + "\r\n";
  WriteWholeFile(RecordPath(), earlier);
  StandInStarts(kRemovalWork, 2);
  DeleteFileA((std::string(kRemovalWork) + "\\standins.log").c_str());

  EXPECT_EQ(0u, Uninstall().exitCode);
  ExpectMachineAsBeforeBut(before, {});
}

}  // namespace
