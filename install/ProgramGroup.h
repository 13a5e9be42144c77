// The product's program group, made through the shell's Program Manager
// service, or through shortcut files where that service fails.
#pragma once

#include <string>
#include <vector>

#include "install/Removal.h"

// One item of the group: the program it starts and the title it shows.
struct ProgramGroupItem {
  std::string target;
  std::string title;
};

// The product program and its uninstaller in `folder`; the uninstaller's
// title begins with a blank, as Program Manager has always been sent it.
std::vector<ProgramGroupItem> ProgramGroupItems(const std::string& group,
                                                const std::string& folder);

// The four commands that replace `group` by a group holding the items. The
// texts go in unquoted and whole, however long.
std::vector<std::string> ProgramGroupCommands(const std::string& group, const std::string& folder);

// True when Program Manager made the group: it answered and accepted every
// command after the deletion, which fails where there was no group yet.
bool ProgramManagerMadeGroup(const std::vector<bool>& accepted);

// The shortcut file of an item: its title without surrounding blanks, as
// the shell names it.
std::string ShortcutFileName(const std::string& title);

// The command that removes `group`.
std::string DeleteGroupCommand(const std::string& group);

// How the group was made, so that the uninstaller can take it away.
struct ProgramGroupMade {
  bool byProgramManager = false;
  // Program Manager accepted the group, yet no folder of it appeared in the
  // Start menu: the user sees no group.
  bool folderMissing = false;
  // Where Program Manager failed: the group's folder and its shortcut
  // files, when they were written.
  std::string shortcutFolder;
  std::vector<std::string> shortcuts;

  bool Made() const { return (byProgramManager && !folderMissing) || !shortcutFolder.empty(); }
};

// Makes the group through Program Manager; where none answers or a command
// is refused, the same group as shortcut files in the Start menu's Programs
// folder. A group that cannot be made is left out whole. A name that cannot
// be a folder's (FolderNameProblem) makes nothing and sends nothing.
ProgramGroupMade CreateProgramGroup(const std::string& group, const std::string& folder);

// The same group as shortcut files in the Start menu's Programs folder,
// without Program Manager, whose shell opens a window on every group it
// creates: replaced whole, like Program Manager's, and removed again if one
// of its shortcuts cannot be written. A name that cannot be a folder's
// makes nothing.
ProgramGroupMade CreateShortcutProgramGroup(const std::string& group, const std::string& folder);

// The message for a group that was not made, shown once at the end.
std::string GroupNotMadeMessage(const std::string& group, const std::string& folder);

// Takes away the group of the installation in `folder`: its two shortcuts
// one by one, then the group itself only if nothing else is left in it (the
// user's own items stay with their group). Program Manager is asked to
// delete the emptied group; a group that is gone already counts as removed.
Removal RemoveProgramGroup(const std::string& group, const std::string& folder);
