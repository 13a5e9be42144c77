// A running program cannot delete its own file. So the uninstaller hands
// that last removal to a copy of itself in the temporary folder: the copy
// waits until the uninstaller has ended, deletes its file and the folders
// that are then empty, and ends. The only handle to the copy's file is
// opened delete-on-close and inherited by the copy, so the system deletes
// the copy as the copy ends, and nothing of ours is left.
#pragma once

#include <string>
#include <vector>

// Starts the copy with `word` as its first argument, then this process's
// id, the program's path and `folders` (removed in this order where empty).
// False when the copy could not be started.
bool StartRemovalCopy(const char* word, const std::vector<std::string>& folders);

// In the copy: `arguments` are those after `word`.
void FinishRemoval(const std::vector<std::string>& arguments);
