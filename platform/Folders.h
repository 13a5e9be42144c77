// Current drive and folder, folder creation and the search for files by
// pattern, as the installation needs them.
#pragma once

#include <string>

// Drive numbers count from 1 for A:.
int GetCurrentDrive();
bool ChangeDrive(int drive);
bool ChangeFolder(const char* folder);
std::string GetCurrentFolder();
// True when the folder exists afterwards (made now or before).
bool MakeFolder(const char* folder);
