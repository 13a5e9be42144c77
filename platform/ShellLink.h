// Start menu shortcuts through the shell's link interface (IShellLinkA and
// IPersistFile), for shells whose Program Manager service fails.
#pragma once

#include <string>
#include <vector>

// The Programs folder of the Start menu that the user at the screen sees:
// the user's own, or the one of all users when the program runs under
// another account than the one logged on (elevated with another
// administrator's credentials). Empty when the shell has none.
std::string StartMenuProgramsFolder();
// The Programs folders where a group of this program may be: the user's own
// and the one of all users, those the shell has.
std::vector<std::string> StartMenuProgramsFolders();

// Writes the shortcut file `linkFile` to `target`, started in
// `workingFolder`; true when the file was saved.
bool CreateShellLink(const std::string& linkFile, const std::string& target,
                     const std::string& workingFolder);
