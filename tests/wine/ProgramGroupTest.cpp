// The program group against Program Managers of the test's own: exactly
// four commands in order, whole and unquoted, to one that accepts them and
// nothing else done; the same group as shortcut files when a Program
// Manager refuses the commands or none answers; no half-made group, and
// none where no folder of it is there afterwards; nothing sent or touched
// for a name that is no folder name; the removal that leaves the user's
// items and their group.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "install/ProgramGroup.h"
#include "platform/Dde.h"
#include "platform/Folders.h"
#include "platform/ProgramManager.h"
#include "tests/support/InstallChecks.h"
#include "tests/support/ProgmanRecorder.h"
#include "tests/support/StartMenu.h"

namespace {

TEST(ProgramGroup, SendsTheFourCommandsInOneConversation) {
  struct Case {
    std::string group, folder;
  } cases[] = {
      {"Quelmar Ovistra", "c:\\program files\\kq"},
      {std::string(259, 'N'), "c:\\kq"},
      {"Cam, (Pro)", "d:\\apps\\" + std::string(240, 'f')},
  };
  for (const Case& c : cases) {
    RemoveTree(StartMenuGroup(c.group));
    ProgmanRecorder progman;
    CreateProgramGroup(c.group, c.folder);
    const std::vector<std::string> expected = {
        "[DeleteGroup(" + c.group + ")]",
        "[CreateGroup(" + c.group + ")]",
        "[AddItem(" + c.folder + "\\kq.exe," + c.group + ")]",
        "[AddItem(" + c.folder + "\\Uninst.exe, Uninstall " + c.group + ")]",
    };
    EXPECT_EQ(expected, progman.Commands()) << c.group.size();
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(StartMenuGroup(c.group).c_str()))
        << "a Program Manager that made the group leaves the Start menu to itself";
  }
}

TEST(ProgramGroup, NoServerMeansNoConversationAndNoWait) {
  const DWORD start = GetTickCount();
  EXPECT_TRUE(DdeExecuteAll("KQNOSUCHSERVICE", {"[CreateGroup(x)]"}, 1000).empty());
  EXPECT_LT(GetTickCount() - start, 1000u);
}

// No Program Manager at all, as on shells that never had one.
class AbsentProgramManager : public ProgramManager {
 public:
  std::vector<bool> Execute(const std::vector<std::string>& commands, unsigned) override {
    sent += commands.size();
    return {};
  }
  size_t sent = 0;
};

// The shortcut group: exactly the two items with the titles Program
// Manager shows, their targets and the working folder; what stood in an
// older group of that name is gone.
void ExpectShortcutGroup(const std::string& group, const std::string& folder) {
  const std::string groupFolder = StartMenuGroup(group);
  EXPECT_EQ((std::vector<std::string>{group + ".lnk", "Uninstall " + group + ".lnk"}),
            FilesIn(groupFolder));
  EXPECT_EQ((Shortcut{folder + "\\kq.exe", folder}),
            ReadShortcut(groupFolder + "\\" + group + ".lnk"));
  EXPECT_EQ((Shortcut{folder + "\\Uninst.exe", folder}),
            ReadShortcut(groupFolder + "\\Uninstall " + group + ".lnk"));
}

// An older group of the same name with an item that the new one lacks.
void MakeOldGroup(const std::string& group) {
  RemoveTree(StartMenuGroup(group));
  CreateDirectoryA(StartMenuGroup(group).c_str(), nullptr);
  WriteWholeFile(StartMenuGroup(group) + "\\Old item.lnk", "old");
}

TEST(ProgramGroup, ShortcutFilesWhenProgramManagerRefusesEveryCommand) {
  struct Case {
    std::string group, folder;
  } cases[] = {
      {"Quelmar Ovistra", "c:\\program files\\kq"},
      {"Cam, (Pro)", "d:\\kq"},
  };
  for (const Case& c : cases) {
    MakeOldGroup(c.group);
    ProgmanRecorder progman(ProgmanRecorder::Answer::Refuse);
    CreateProgramGroup(c.group, c.folder);
    EXPECT_EQ(4u, progman.Commands().size()) << "every command was tried first";
    ExpectShortcutGroup(c.group, c.folder);
    RemoveTree(StartMenuGroup(c.group));
  }
}

TEST(ProgramGroup, ShortcutFilesWhenNoProgramManagerAnswers) {
  AbsentProgramManager absent;
  SetProgramManagerForTesting(&absent);
  MakeOldGroup("Quelmar Ovistra");
  CreateProgramGroup("Quelmar Ovistra", "c:\\kq");
  SetProgramManagerForTesting(nullptr);
  EXPECT_EQ(4u, absent.sent);
  ExpectShortcutGroup("Quelmar Ovistra", "c:\\kq");
  RemoveTree(StartMenuGroup("Quelmar Ovistra"));
}

TEST(ProgramGroup, ShortcutsWrittenAreTakenBackWhenALaterOneFails) {
  // Another program holds the uninstaller's shortcut of an older group open
  // without sharing: it can be neither deleted nor replaced.
  MakeOldGroup("Quelmar Ovistra");
  const std::string held = StartMenuGroup("Quelmar Ovistra") + "\\Uninstall Quelmar Ovistra.lnk";
  WriteWholeFile(held, "old");
  HANDLE holder = CreateFileA(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, holder);

  AbsentProgramManager absent;
  SetProgramManagerForTesting(&absent);
  CreateProgramGroup("Quelmar Ovistra", "c:\\kq");
  SetProgramManagerForTesting(nullptr);
  CloseHandle(holder);
  EXPECT_EQ((std::vector<std::string>{"Uninstall Quelmar Ovistra.lnk"}),
            FilesIn(StartMenuGroup("Quelmar Ovistra")))
      << "the product's shortcut, written before the failure, is gone";
  EXPECT_EQ("old", ReadWholeFile(held));
  RemoveTree(StartMenuGroup("Quelmar Ovistra"));
}

// The Programs folder itself, and the Start menu folder above it.
std::string ProgramsFolder() {
  const std::string group = StartMenuGroup("");
  return group.substr(0, group.size() - 1);
}

TEST(ProgramGroup, ANameThatIsNoFolderNameSendsNothingAndTouchesNothing) {
  const std::string programs = ProgramsFolder();
  WriteWholeFile(programs + "\\Notes.txt", "the user's notes");
  WriteWholeFile(programs + "\\My App.lnk", "the user's shortcut");
  const std::string startMenu = programs.substr(0, programs.find_last_of('\\'));
  const std::vector<std::string> before = FilesIn(programs), menuBefore = FilesIn(startMenu);
  for (const std::string group : {"", "   ", "..\\..\\Evil Group", "Cam\\..\\..", "..", "CON"}) {
    for (const auto answer : {ProgmanRecorder::Answer::Accept, ProgmanRecorder::Answer::Refuse}) {
      ProgmanRecorder progman(answer);
      const ProgramGroupMade made = CreateProgramGroup(group, "c:\\kq");
      EXPECT_TRUE(progman.Commands().empty()) << '"' << group << '"';
      EXPECT_FALSE(made.Made()) << '"' << group << '"';
      EXPECT_EQ(before, FilesIn(programs)) << '"' << group << '"';
      EXPECT_EQ(menuBefore, FilesIn(startMenu)) << '"' << group << '"';
    }
  }
  DeleteFileA((programs + "\\Notes.txt").c_str());
  DeleteFileA((programs + "\\My App.lnk").c_str());
}

TEST(ProgramGroup, AGroupIsMadeOnlyWhereItsFolderIsThereAfterwards) {
  const std::string group = "Quelmar Ovistra";
  struct Case {
    ProgmanRecorder::Answer answer;
    bool fileInTheWay;
    bool made;
  } cases[] = {
      {ProgmanRecorder::Answer::AcceptLikeTheShell, false, true},
      {ProgmanRecorder::Answer::Accept, false, false},  // accepted, but no folder appeared
      {ProgmanRecorder::Answer::Refuse, false, true},   // the shortcut files
      {ProgmanRecorder::Answer::Refuse, true, false},   // nor could those be written
  };
  for (const Case& c : cases) {
    RemoveTree(StartMenuGroup(group));
    if (c.fileInTheWay) WriteWholeFile(StartMenuGroup(group), "a file of that name");
    ProgmanRecorder progman(c.answer);
    const ProgramGroupMade made = CreateProgramGroup(group, "c:\\kq");
    EXPECT_EQ(c.made, made.Made()) << static_cast<int>(c.answer) << c.fileInTheWay;
    EXPECT_EQ(c.answer == ProgmanRecorder::Answer::Accept, made.folderMissing);
    DeleteFileA(StartMenuGroup(group).c_str());
    RemoveTree(StartMenuGroup(group));
  }
}

TEST(ProgramGroup, RemovalTakesItsOwnShortcutsAndTheGroupOnlyWhenNothingElseIsLeft) {
  const std::string group = "Quelmar Ovistra", folder = StartMenuGroup(group);
  const std::vector<std::string> ours = {"Quelmar Ovistra.lnk", "Uninstall Quelmar Ovistra.lnk"};
  struct Case {
    const char* what;
    std::vector<std::string> files;
    ProgmanRecorder::Answer answer;
    Removal removal;
    std::vector<std::string> left;
    size_t commands;
  } cases[] = {
      {"the installation's group",
       ours,
       ProgmanRecorder::Answer::AcceptLikeTheShell,
       Removal::Removed,
       {},
       1},
      {"with the user's item",
       {ours[0], ours[1], "My Notes.txt"},
       ProgmanRecorder::Answer::AcceptLikeTheShell,
       Removal::Kept,
       {"My Notes.txt"},
       0},
      {"without Program Manager", ours, ProgmanRecorder::Answer::Refuse, Removal::Removed, {}, 1},
      {"deleted by hand", {}, ProgmanRecorder::Answer::Refuse, Removal::AlreadyGone, {}, 1},
  };
  for (const Case& c : cases) {
    RemoveTree(folder);
    if (!c.files.empty()) CreateDirectoryA(folder.c_str(), nullptr);
    for (const std::string& file : c.files) WriteWholeFile(folder + "\\" + file, "item");
    ProgmanRecorder progman(c.answer);
    EXPECT_EQ(c.removal, RemoveProgramGroup(group, "c:\\kq")) << c.what;
    EXPECT_EQ(c.left, FilesIn(folder)) << c.what;
    EXPECT_EQ(c.left.empty(), !FolderExists(folder.c_str())) << c.what;
    EXPECT_EQ(c.commands, progman.Commands().size()) << c.what;
    RemoveTree(folder);
  }
}

}  // namespace
