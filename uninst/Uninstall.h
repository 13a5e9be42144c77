// Removing an installation: exactly what its record names, and nothing the
// user or the product added later.
#pragma once

#include <string>
#include <vector>

#include "install/InstallLog.h"
#include "install/InstallRecord.h"

constexpr int kUninstallRemoved = 0;
constexpr int kUninstallIncomplete = 1;
constexpr int kUninstallNothing = 2;
constexpr int kUninstallDeclined = 3;

// Puts back the Windows 9x dial-up tuning from the backup in kq.ini, removes
// the program group (or its shortcut files), the registry keys and the
// recorded files of `folder` but `ownName` (the running program). What could not be removed is named
// in the result.
std::vector<std::string> RemoveInstallation(const InstallRecord& record, const std::string& folder,
                                            const std::string& ownName, InstallLog& log);

// The recorded folders and `folder`, inner ones first: the order in which
// they can go once they are empty.
std::vector<std::string> FoldersToRemove(const InstallRecord& record, const std::string& folder);
