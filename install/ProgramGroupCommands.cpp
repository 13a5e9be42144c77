#include "install/ProgramGroup.h"

std::vector<std::string> ProgramGroupCommands(const std::string& group, const std::string& folder) {
  // Deleting first replaces an existing group by one with just these items.
  return {
      "[DeleteGroup(" + group + ")]",
      "[CreateGroup(" + group + ")]",
      "[AddItem(" + folder + "\\kq.exe," + group + ")]",
      "[AddItem(" + folder + "\\Uninst.exe, Uninstall " + group + ")]",
  };
}
