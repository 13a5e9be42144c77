// Whether another program holds a file, and which programs those are, so
// that the uninstaller can say so before it removes anything.
#pragma once

#include <string>
#include <vector>

// True when the file exists and another program has it open or runs from
// it, so that it cannot be deleted now.
bool FileInUse(const std::string& path);

// The programs that hold `path`, as "name (process id)", as far as the
// system can tell: the Restart Manager where there is one, else the
// programs that run from the file. Empty when it cannot tell.
std::vector<std::string> ProgramsUsing(const std::string& path);
