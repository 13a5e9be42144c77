// The Program Manager commands: exact texts, unquoted, built whole however
// long the folder and the group name; when Program Manager's answers mean
// the group must be made as shortcut files, and their names.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "install/ProgramGroup.h"

namespace {

TEST(ProgramGroupCommands, FourCommandsWithTheTextsInsertedUnchanged) {
  struct Case {
    std::string group, folder;
    std::vector<std::string> expected;
  } cases[] = {
      {"Quelmar Ovistra",
       "c:\\kq",
       {"[DeleteGroup(Quelmar Ovistra)]", "[CreateGroup(Quelmar Ovistra)]",
        "[AddItem(c:\\kq\\kq.exe,Quelmar Ovistra)]",
        "[AddItem(c:\\kq\\Uninst.exe, Uninstall Quelmar Ovistra)]"}},
      {"Cam, (Pro)",
       "c:\\program files\\kq",
       {"[DeleteGroup(Cam, (Pro))]", "[CreateGroup(Cam, (Pro))]",
        "[AddItem(c:\\program files\\kq\\kq.exe,Cam, (Pro))]",
        "[AddItem(c:\\program files\\kq\\Uninst.exe, Uninstall Cam, (Pro))]"}},
  };
  for (const Case& c : cases) EXPECT_EQ(c.expected, ProgramGroupCommands(c.group, c.folder));
}

TEST(ProgramGroupCommands, LongNamesAreNeverCut) {
  const std::string group(259, 'G');
  const std::string folder = "c:\\" + std::string(256, 'f');
  const auto commands = ProgramGroupCommands(group, folder);
  ASSERT_EQ(4u, commands.size());
  EXPECT_EQ("[DeleteGroup(" + group + ")]", commands[0]);
  EXPECT_EQ(13u + 259u + 2u, commands[0].size());
  EXPECT_EQ("[AddItem(" + folder + "\\Uninst.exe, Uninstall " + group + ")]", commands[3]);
  EXPECT_GT(commands[3].size(), 540u);
}

TEST(ProgramGroupCommands, TheGroupIsProgramManagersOnlyWhenItAcceptedAllButTheDeletion) {
  struct Case {
    std::vector<bool> accepted;
    bool made;
  } cases[] = {
      {{}, false},  // no server answered
      {{true, true, true, true}, true},
      {{false, true, true, true}, true},  // there was no group to delete
      {{true, false, true, true}, false},
      {{true, true, true, false}, false},
      {{false, false, false, false}, false},
  };
  for (const Case& c : cases) EXPECT_EQ(c.made, ProgramManagerMadeGroup(c.accepted));
}

TEST(ProgramGroupCommands, ShortcutFilesAreNamedAfterTheTitlesWithoutSurroundingBlanks) {
  const auto items = ProgramGroupItems("Cam, (Pro)", "c:\\program files\\kq");
  ASSERT_EQ(2u, items.size());
  EXPECT_EQ("c:\\program files\\kq\\kq.exe", items[0].target);
  EXPECT_EQ("Cam, (Pro).lnk", ShortcutFileName(items[0].title));
  EXPECT_EQ("c:\\program files\\kq\\Uninst.exe", items[1].target);
  EXPECT_EQ("Uninstall Cam, (Pro).lnk", ShortcutFileName(items[1].title));
  EXPECT_EQ("a  b.lnk", ShortcutFileName("  a  b "));
}

}  // namespace
