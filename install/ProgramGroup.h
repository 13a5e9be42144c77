// The product's program group, made through the shell's Program Manager
// service.
#pragma once

#include <string>
#include <vector>

// The four commands that replace `group` by a group holding the product
// program and its uninstaller from `folder`. The texts go in unquoted and
// whole, however long.
std::vector<std::string> ProgramGroupCommands(const std::string& group, const std::string& folder);

// Sends the commands in one conversation; does nothing, quietly, when no
// Program Manager answers.
void CreateProgramGroup(const std::string& group, const std::string& folder);
