// The names of the entry that lists an installation among the installed
// programs: a key under the Uninstall key of CurrentVersion, one per
// installation folder.
#pragma once

#include <cstdint>
#include <string>

constexpr char kUninstallKeyPath[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";

// The mark of an installation folder, given as LongPath gives it: the same
// for every spelling that differs in the case of its letters.
uint32_t FolderMark(const std::string& folder);

// "<product> (<8 hex digits>)", the digits made from the installation
// folder, so that installations of the product in two folders each have
// their own entry.
std::string UninstallEntryName(const std::string& product, uint32_t folderMark);

// True for the entry names of `product`: those of UninstallEntryName and the
// product name alone, which earlier installations used.
bool IsEntryNameOf(const std::string& name, const std::string& product);
