// Where the lines of an installation record may reach. The record is a
// plain file in a folder that others may write, so the uninstaller works
// its bounds out itself, from where it runs and the product's name, and
// refuses every line outside them before it removes anything.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "install/InstallRecord.h"

struct RecordBounds {
  // The installation folder: the uninstaller's own, absolute.
  std::string folder;
  // The product's name, the group's; empty when it cannot name a group.
  std::string productName;
  // The product's group folder in each Programs folder of the Start menu.
  std::vector<std::string> groupFolders;
  // The path as the system spells it without short names, where it exists.
  std::function<std::string(const std::string&)> longName;
  // True when the file is the log of an unattended installation.
  std::function<bool(const std::string&)> isInstallationLog;
};

struct RefusedLine {
  RecordLine line;
  std::string reason;
};

// The lines of `record` that reach outside `bounds`, each with why:
// - "file" only a plain file name of the installation folder;
// - "folder" only the installation folder, a folder inside it or above it
//   (those the installation made), or the product's group folder;
// - "shortcut" only a shortcut file in the product's group folder, "group"
//   only the product's group;
// - "uninstall-entry" only an entry of the product, "registry-key" only a
//   key above the Uninstall key that holds the entries;
// - "log" only inside the installation folder, or an unattended
//   installation's log.
// Paths count after "." and ".." parts, either slash, doubled slashes and
// short names are resolved; a path that is not absolute, or names a stream
// or a device, is refused.
std::vector<RefusedLine> LinesOutOfBounds(const InstallRecord& record, const RecordBounds& bounds);
