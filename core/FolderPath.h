// Folder creation and file copying for the installation and the
// connection optimisation page.
#pragma once

#include "platform/FileOps.h"

// Installing into the folder that holds the distribution would overwrite
// and then delete its pieces; the working folder page and the installation
// refuse it with this text.
constexpr char kSetupFolderRefusal[] =
    "The setup files are in this folder. Please choose another working folder.";

// Upper-cases `path` in place and creates every folder named in it but the
// last part (an existing folder is no error). The current drive and folder
// are the saved drive and the setup folder again afterwards.
void CreateFolderPath(char* path);

// Copies `source` (relative to the current folder) to `destination` (a full
// path), created or truncated; 1 on success, 0 when either file cannot be
// opened, when the destination is the source itself (it is left as it is),
// or when a read or write fails.
int CopyBinaryFile(const char* source, const char* destination, FileOps& files = RealFileOps());
