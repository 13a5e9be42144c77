// What a name must be to serve as a file or folder name of Windows: the
// package engine asks it of every target it joins, start-up of the OEM
// product name that becomes the program group's folder and the key of the
// installed programs' entry.
#pragma once

#include <cstddef>
#include <string_view>

// Names that open a device instead of a file in every folder, whatever
// extension follows ("con.txt", "nul .txt" and "LPT9.log" alike).
bool IsDeviceName(std::string_view name);

// Why `name` cannot be the name of a file in a folder, for the characters,
// the ending and the device names, or nullptr when it can. Empty names and
// folder parts are the caller's to judge: a folder part is a character
// that a name cannot hold.
const char* FileNameProblem(std::string_view name);

// Why `name` cannot be one plain file or folder name in a folder, or nullptr
// when it can: not empty, no folder part, no drive or stream, and what
// FileNameProblem asks. The joiner asks it of every target, the unattended
// installation of every part of its working folder.
const char* PlainNameProblem(std::string_view name);

// True when `name` holds nothing but blanks and tabs, or nothing at all.
bool IsBlankName(std::string_view name);

// The longest OEM product name. The longest path it makes is the
// uninstaller's shortcut, Programs\<name>\Uninstall <name>.lnk: 16
// characters and twice the name after the Programs folder, which is
// C:\Users\<user>\AppData\Roaming\Microsoft\Windows\Start Menu\Programs,
// 63 characters and the user name of up to 20. 83 + 16 + 2 x 80 = 259.
constexpr size_t kMaxOemNameLength = 80;

// Why `name` cannot be the name of one folder inside another: blank, "."
// or "..", or what FileNameProblem refuses. nullptr when it can.
const char* FolderNameProblem(std::string_view name);

// Why the OEM product name cannot be a folder name and a registry key name,
// nor make paths that fit: FolderNameProblem and the length.
const char* OemNameProblem(std::string_view name);
