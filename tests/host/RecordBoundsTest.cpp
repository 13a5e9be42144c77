// The bounds of an installation record's lines: what the installation
// itself records passes; every line that reaches outside the installation
// folder, the product's group folder, its entry among the installed
// programs and the keys above it is refused with why, however it is spelt.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "uninst/RecordBounds.h"

namespace {

constexpr char kFolder[] = "C:\\Quelmar Removal\\Deep\\kq";
constexpr char kGroup[] = "C:\\users\\ann\\Start Menu\\Programs\\CamCast Pro";
constexpr char kEntry[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\CamCast Pro";

RecordBounds Bounds() {
  RecordBounds bounds;
  bounds.folder = kFolder;
  bounds.productName = "CamCast Pro";
  bounds.groupFolders = {kGroup, "C:\\ProgramData\\Start Menu\\Programs\\CamCast Pro"};
  // Short names as the system would expand them, for paths that exist.
  bounds.longName = [](const std::string& path) {
    static const std::map<std::string, std::string> known = {
        {"C:\\PROGRA~1\\Other", "C:\\Program Files\\Other"},
        {"C:\\QUELMA~1\\Deep\\kq\\help.htm", "C:\\Quelmar Removal\\Deep\\kq\\help.htm"},
        {"C:\\QUELMA~1\\Deep\\KQ~1", "C:\\Quelmar Removal\\Deep\\kq.old"},
    };
    const auto found = known.find(path);
    return found == known.end() ? path : found->second;
  };
  bounds.isInstallationLog = [](const std::string& path) { return path == "D:\\logs\\setup.log"; };
  return bounds;
}

std::vector<RefusedLine> Refused(RecordKind kind, const std::string& value) {
  InstallRecord record;
  record.Add(kind, value);
  return LinesOutOfBounds(record, Bounds());
}

TEST(RecordBounds, WhatTheInstallationRecordsPasses) {
  const std::vector<RecordLine> lines = {
      {RecordKind::Folder, "C:\\QUELMAR REMOVAL"},
      {RecordKind::Folder, "C:\\QUELMAR REMOVAL\\DEEP"},
      {RecordKind::Folder, "C:\\Quelmar Removal\\Deep\\kq"},
      {RecordKind::Folder, "c:\\quelmar removal\\deep\\kq\\"},
      {RecordKind::Folder, kGroup},
      {RecordKind::File, "kq.exe"},
      {RecordKind::File, "kq0.cab"},
      {RecordKind::File, "kq.ini"},
      {RecordKind::File, "Caf\xe9 & M\xfcller's.htm"},
      {RecordKind::Group, "CamCast Pro"},
      {RecordKind::Shortcut, std::string(kGroup) + "\\CamCast Pro.lnk"},
      {RecordKind::Shortcut, std::string(kGroup) + "\\Uninstall CamCast Pro.lnk"},
      {RecordKind::Shortcut, "C:\\ProgramData\\Start Menu\\Programs\\CamCast Pro\\CamCast Pro.lnk"},
      {RecordKind::UninstallEntry, std::string("HKCU\\") + kEntry + " (0a1b2c3d)"},
      {RecordKind::UninstallEntry, std::string("HKLM\\") + kEntry + " (ffffffff)"},
      {RecordKind::UninstallEntry, std::string("HKCU\\") + kEntry},
      {RecordKind::RegistryKey, "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall"},
      {RecordKind::RegistryKey, "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion"},
      {RecordKind::Log, "C:\\Quelmar Removal\\Deep\\kq\\setup.log"},
      {RecordKind::Log, "D:\\logs\\setup.log"},
  };
  InstallRecord record;
  for (const RecordLine& line : lines) record.Add(line.kind, line.value);
  const std::vector<RefusedLine> refused = LinesOutOfBounds(record, Bounds());
  for (const RefusedLine& line : refused) ADD_FAILURE() << line.line.value << ": " << line.reason;
}

TEST(RecordBounds, LinesReachingOutsideAreRefusedWithWhy) {
  const struct {
    RecordKind kind;
    std::string value;
    const char* why;
  } cases[] = {
      {RecordKind::File, "..\\..\\windows\\win.ini", "not a file name in the installation folder"},
      {RecordKind::File, "../../windows/win.ini", "not a file name"},
      {RecordKind::File, "C:\\windows\\win.ini", "not a file name"},
      {RecordKind::File, "sub\\kq.exe", "not a file name"},
      {RecordKind::File, "..", "not a file name"},
      {RecordKind::File, "kq.exe:stream", "not a file name"},
      {RecordKind::File, "CON", "not a file name"},
      {RecordKind::File, "kq.exe.", "not a file name"},
      {RecordKind::Folder, "C:\\Quelmar Removal\\Deep\\kq\\..\\..\\..\\windows", "neither"},
      {RecordKind::Folder, "C:/Quelmar Removal/Deep/kq/../../../Empty", "neither"},
      {RecordKind::Folder, "C:\\Quelmar Removal\\Other", "neither"},
      {RecordKind::Folder, "C:\\Quelmar Removal\\Deep\\kq.old", "neither"},
      {RecordKind::Folder, "C:\\QUELMA~1\\Deep\\KQ~1", "neither"},
      {RecordKind::Folder, "C:\\PROGRA~1\\Other", "neither"},
      {RecordKind::Folder, "C:\\", "neither"},
      {RecordKind::Folder, "C:", "neither"},
      {RecordKind::Folder, "Deep\\kq", "neither"},
      {RecordKind::Folder, "\\\\?\\C:\\Quelmar Removal\\Deep\\kq\\..\\..", "neither"},
      {RecordKind::Folder, "\\\\.\\C:\\Quelmar Removal", "neither"},
      {RecordKind::Folder, "C:\\Quelmar Removal\\Deep\\kq\\..\\..\\..\\..", "neither"},
      {RecordKind::Folder, "C:\\users\\ann\\Start Menu\\Programs", "neither"},
      {RecordKind::Folder, "C:\\users\\ann\\Start Menu\\Programs\\StartUp", "neither"},
      {RecordKind::Group, "StartUp", "not the product's program group"},
      {RecordKind::Group, "", "not the product's program group"},
      {RecordKind::Group, "..\\..\\Start Menu", "not the product's program group"},
      {RecordKind::Shortcut, "C:\\users\\ann\\Start Menu\\Programs\\StartUp\\Notes.lnk",
       "not a shortcut in the product's group folder"},
      {RecordKind::Shortcut, std::string(kGroup) + "\\..\\My App.lnk", "not a shortcut"},
      {RecordKind::Shortcut, std::string(kGroup) + "\\Notes.txt", "not a shortcut"},
      {RecordKind::Shortcut, std::string(kGroup) + "\\sub\\x.lnk", "not a shortcut"},
      {RecordKind::UninstallEntry,
       "HKLM\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes",
       "not an entry of the product"},
      {RecordKind::UninstallEntry, std::string("HKCU\\") + kEntry + "\\..\\Other Product",
       "not an entry of the product"},
      {RecordKind::UninstallEntry, std::string("HKCU\\") + kEntry + " (0a1b2c3d)\\sub",
       "not an entry of the product"},
      {RecordKind::UninstallEntry, std::string("HKCR\\") + kEntry, "not an entry of the product"},
      {RecordKind::UninstallEntry,
       "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Other Product",
       "not an entry of the product"},
      {RecordKind::RegistryKey, "HKCU\\Software\\Other", "not a key above the entries"},
      {RecordKind::RegistryKey, "HKLM\\Software\\Microsoft\\Windows NT", "not a key above"},
      {RecordKind::RegistryKey, std::string("HKCU\\") + kEntry, "not a key above"},
      {RecordKind::RegistryKey, "HKCU\\", "not a key above"},
      {RecordKind::Log, "C:\\windows\\system.ini", "neither in the installation folder"},
      {RecordKind::Log, "C:\\Quelmar Removal\\Deep\\kq\\..\\setup.log", "neither"},
      {RecordKind::Log, "setup.log", "neither"},
  };
  for (const auto& c : cases) {
    const std::vector<RefusedLine> refused = Refused(c.kind, c.value);
    ASSERT_EQ(1u, refused.size()) << c.value;
    EXPECT_EQ(c.value, refused[0].line.value);
    EXPECT_NE(std::string::npos, refused[0].reason.find(c.why))
        << c.value << ": " << refused[0].reason;
  }
}

TEST(RecordBounds, WithoutAUsableProductNameNoGroupOrEntryPasses) {
  RecordBounds bounds = Bounds();
  bounds.productName.clear();
  bounds.groupFolders.clear();
  InstallRecord record;
  record.Add(RecordKind::Group, "");
  record.Add(RecordKind::UninstallEntry,
             "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\");
  record.Add(RecordKind::Shortcut, "C:\\users\\ann\\Start Menu\\Programs\\.lnk");
  record.Add(RecordKind::Folder, "C:\\users\\ann\\Start Menu\\Programs");
  EXPECT_EQ(4u, LinesOutOfBounds(record, bounds).size());
}

}  // namespace
