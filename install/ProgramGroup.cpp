#include "install/ProgramGroup.h"

#include <memory>

#include "core/NameRules.h"
#include "core/PathReading.h"
#include "core/WorkFolderFiles.h"
#include "platform/FileOps.h"
#include "platform/Folders.h"
#include "platform/ProgramManager.h"
#include "platform/ShellLink.h"

namespace {

constexpr unsigned kCommandTimeoutMs = 1000;

// Deletes the group's folder with its shortcuts; true when it is gone.
bool RemoveGroupFolder(const std::string& groupFolder) {
  std::unique_ptr<FileOps> files = FolderFileOps(groupFolder);
  for (const std::string& name : files->List("")) files->Delete(name);
  return RemoveFolder(groupFolder.c_str());
}

// The group's folders that exist, in the user's Programs folder and in that
// of all users.
std::vector<std::string> ExistingGroupFolders(const std::string& group) {
  std::vector<std::string> folders;
  for (const std::string& programs : StartMenuProgramsFolders()) {
    const std::string groupFolder = JoinPath(programs, group);
    if (FolderExists(groupFolder.c_str())) folders.push_back(groupFolder);
  }
  return folders;
}

}  // namespace

ProgramGroupMade CreateShortcutProgramGroup(const std::string& group, const std::string& folder) {
  ProgramGroupMade made;
  const std::string programs = StartMenuProgramsFolder();
  if (FolderNameProblem(group) || programs.empty()) return made;
  const std::string groupFolder = JoinPath(programs, group);
  RemoveGroupFolder(groupFolder);
  if (!MakeFolder(groupFolder.c_str())) return made;
  std::vector<std::string> shortcuts;
  for (const ProgramGroupItem& item : ProgramGroupItems(group, folder)) {
    shortcuts.push_back(JoinPath(groupFolder, ShortcutFileName(item.title)));
    if (!CreateShellLink(shortcuts.back(), item.target, folder)) {
      RemoveGroupFolder(groupFolder);
      return made;
    }
  }
  made.shortcutFolder = groupFolder;
  made.shortcuts = shortcuts;
  return made;
}

ProgramGroupMade CreateProgramGroup(const std::string& group, const std::string& folder) {
  // Such a name would make the group somewhere else than in Programs, or
  // Programs itself, and an empty one crashes Wine's Program Manager.
  if (FolderNameProblem(group)) return {};
  const std::vector<bool> accepted =
      GetProgramManager().Execute(ProgramGroupCommands(group, folder), kCommandTimeoutMs);
  if (!ProgramManagerMadeGroup(accepted)) return CreateShortcutProgramGroup(group, folder);
  ProgramGroupMade made;
  made.byProgramManager = true;
  made.folderMissing = ExistingGroupFolders(group).empty();
  return made;
}

std::string GroupNotMadeMessage(const std::string& group, const std::string& folder) {
  return "The program group \"" + group +
         "\" could not be made in the Start menu. Start the product with " +
         JoinPath(folder, kProductProgram) + ".";
}

Removal RemoveProgramGroup(const std::string& group, const std::string& folder) {
  if (FolderNameProblem(group)) return Removal::Failed;
  const std::vector<std::string> folders = ExistingGroupFolders(group);
  for (const std::string& groupFolder : folders) {
    const std::unique_ptr<FileOps> files = FolderFileOps(groupFolder);
    for (const ProgramGroupItem& item : ProgramGroupItems(group, folder)) {
      const std::string shortcut = ShortcutFileName(item.title);
      if (files->Exists(shortcut)) files->Delete(shortcut);
    }
    if (!FolderIsEmpty(groupFolder.c_str())) return Removal::Kept;
  }
  // Program Manager's deletion takes the folder with what is in it, so it is
  // asked only now that the group is empty.
  const std::vector<bool> accepted =
      GetProgramManager().Execute({DeleteGroupCommand(group)}, kCommandTimeoutMs);
  bool gone = true;
  for (const std::string& groupFolder : folders) gone = RemoveFolder(groupFolder.c_str()) && gone;
  if (!gone) return Removal::Failed;
  return folders.empty() && (accepted.empty() || !accepted[0]) ? Removal::AlreadyGone
                                                               : Removal::Removed;
}
