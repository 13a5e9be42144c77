// The working folder text: what a folder chosen in the save-file dialog
// gives, the form the installation needs, and how long it may be.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/SetupState.h"
#include "core/WorkFolderFiles.h"
#include "package/PieceFormat.h"

// "kq" or "ch", a piece number of up to ten digits, ".cab"; the staging
// file's name is shorter.
constexpr size_t kLongestPieceName = 2 + 10 + 4;

// The longest name the installation writes into the working folder. It
// decides how long the folder may be: every path into it must stay within
// the 259 characters that the ANSI file functions take.
constexpr size_t LongestWrittenName() {
  // The product's files are named by the pieces' name fields.
  size_t longest = kMaxNameLength > kLongestPieceName ? kMaxNameLength : kLongestPieceName;
  for (std::string_view name : {kSettingsFileName, kSetupProgram, kUninstaller, kInstallRecordName})
    if (name.size() > longest) longest = name.size();
  for (std::string_view name : kPictureFiles)
    if (name.size() > longest) longest = name.size();
  return longest;
}

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

// An unattended answer for the working folder, resolved once to the form the
// installation uses: "/" read as "\", doubled backslashes, "." and ".."
// parts and a trailing backslash resolved ("c:/inst//x\..\y\" gives
// "c:\inst\y"). Only a whole path from a drive's root can be resolved so:
// a relative path, a network path and a drive-relative "c:ovistra" are
// refused, as are parts that no folder name can be and a result longer than
// kMaxFolderLength. Returns why it is refused, empty when `folder` holds
// the resolved path.
std::string ResolveAnswerFolder(const std::string& text, std::string& folder);

// The folders a path names, outer ones first: "c:\\a\\b" gives "c:\\a" and
// "c:\\a\\b"; a drive alone names none.
std::vector<std::string> FolderLevels(const std::string& folder);

// What Next says when the normalised folder is longer than kMaxFolderLength.
std::string FolderTooLongMessage();
