#include "install/ProgramGroup.h"

#include <memory>

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

}  // namespace

ProgramGroupMade CreateShortcutProgramGroup(const std::string& group, const std::string& folder) {
  ProgramGroupMade made;
  const std::string programs = StartMenuProgramsFolder();
  if (programs.empty()) return made;
  const std::string groupFolder = programs + "\\" + group;
  RemoveGroupFolder(groupFolder);
  if (!MakeFolder(groupFolder.c_str())) return made;
  std::vector<std::string> shortcuts;
  for (const ProgramGroupItem& item : ProgramGroupItems(group, folder)) {
    shortcuts.push_back(groupFolder + "\\" + ShortcutFileName(item.title));
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
  const std::vector<bool> accepted =
      GetProgramManager().Execute(ProgramGroupCommands(group, folder), kCommandTimeoutMs);
  if (!ProgramManagerMadeGroup(accepted)) return CreateShortcutProgramGroup(group, folder);
  ProgramGroupMade made;
  made.byProgramManager = true;
  return made;
}

bool DeleteProgramGroup(const std::string& group) {
  const std::vector<bool> accepted =
      GetProgramManager().Execute({DeleteGroupCommand(group)}, kCommandTimeoutMs);
  return !accepted.empty() && accepted[0];
}
