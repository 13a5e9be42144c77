// The working folder text: what a folder chosen in the save-file dialog
// gives, the form the installation needs, and how long it may be.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/SetupState.h"
#include "core/WorkFolderFiles.h"

// The folder offered until the user chooses another.
constexpr char kDefaultFolder[] = "c:\\kq";
// Every file the installation writes into the folder, with the backslash
// before its name, must fit a path of kTextSize - 1 characters.
constexpr size_t kMaxFolderLength = kTextSize - 1 - 1 - LongestWrittenName();

// The folder that a path returned by the save-file dialog names: the path
// cut at its last backslash ("C:\cam.exe" gives "C:"), or for a path that
// has only a drive, that drive's "\kq" ("E:cam" gives "E:\kq"). False when
// the path names no folder; the field is then left as it is.
bool FolderOfChosenFile(const std::string& path, std::string& folder);

// The folder as the installation uses it: drive-rooted, without a trailing
// backslash. One trailing backslash goes; an empty text, or one without a
// drive, becomes the default folder.
std::string NormalizedFolder(const std::string& text);

// The folders a path names, outer ones first: "c:\\a\\b" gives "c:\\a" and
// "c:\\a\\b"; a drive alone names none.
std::vector<std::string> FolderLevels(const std::string& folder);

// What Next says when the normalised folder is longer than kMaxFolderLength.
std::string FolderTooLongMessage();
