// The names the installation writes into the working folder. The longest
// of them decides how long the folder may be: every path into it must stay
// within the 259 characters that the ANSI file functions take.
#pragma once

#include <cstddef>
#include <string_view>

#include "package/PieceFormat.h"

constexpr char kSettingsFileName[] = "kq.ini";
constexpr char kSetupProgram[] = "setup.exe";
constexpr char kUninstaller[] = "uninst.exe";
// What the installation put there, for the uninstaller.
constexpr char kInstallRecordName[] = "install.rec";
// Copied one per tick near the end of the run.
constexpr const char* kPictureFiles[] = {
    "KQCameraLogo.jpg", "KQProgramingLogo.jpg", "KQBonusLogo.jpg", "KQAboutLogo.jpg",
    "KQIntroLogo.jpg",  "KQExitLogo.jpg",       "KQSetup1.jpg",    "KQSetup2.jpg",
    "KQSetup3.jpg",     "KQSetup4.jpg",         "KQSetup5.jpg",
};
// "kq" or "ch", a piece number of up to ten digits, ".cab"; the staging
// file's name is shorter.
constexpr size_t kLongestPieceName = 2 + 10 + 4;

constexpr size_t LongestWrittenName() {
  // The product's files are named by the pieces' name fields.
  size_t longest = kMaxNameLength > kLongestPieceName ? kMaxNameLength : kLongestPieceName;
  for (std::string_view name : {kSettingsFileName, kSetupProgram, kUninstaller, kInstallRecordName})
    if (name.size() > longest) longest = name.size();
  for (std::string_view name : kPictureFiles)
    if (name.size() > longest) longest = name.size();
  return longest;
}
