#include "install/ProgramGroup.h"

#include "core/PathReading.h"
#include "core/WorkFolderFiles.h"

std::vector<ProgramGroupItem> ProgramGroupItems(const std::string& group,
                                                const std::string& folder) {
  return {
      {JoinPath(folder, kProductProgram), group},
      {JoinPath(folder, kUninstallerCommand), " Uninstall " + group},
  };
}

std::vector<std::string> ProgramGroupCommands(const std::string& group, const std::string& folder) {
  // Deleting first replaces an existing group by one with just these items.
  std::vector<std::string> commands = {
      DeleteGroupCommand(group),
      "[CreateGroup(" + group + ")]",
  };
  for (const ProgramGroupItem& item : ProgramGroupItems(group, folder))
    commands.push_back("[AddItem(" + item.target + "," + item.title + ")]");
  return commands;
}

bool ProgramManagerMadeGroup(const std::vector<bool>& accepted) {
  if (accepted.size() < 2) return false;
  for (size_t i = 1; i < accepted.size(); ++i)
    if (!accepted[i]) return false;
  return true;
}

std::string ShortcutFileName(const std::string& title) {
  const size_t first = title.find_first_not_of(' ');
  if (first == std::string::npos) return ".lnk";
  return title.substr(first, title.find_last_not_of(' ') - first + 1) + ".lnk";
}

std::string DeleteGroupCommand(const std::string& group) { return "[DeleteGroup(" + group + ")]"; }
