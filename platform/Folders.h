// Current drive and folder, folder creation and removal, full and long
// paths, and where the program lies, as the installation needs them.
#pragma once

#include <string>

// Drive numbers count from 1 for A:.
int GetCurrentDrive();
bool ChangeDrive(int drive);
bool ChangeFolder(const char* folder);
std::string GetCurrentFolder();
// True when the folder exists afterwards (made now or before).
bool MakeFolder(const char* folder);
// Removes an empty folder; true when it is gone (removed now or absent).
bool RemoveFolder(const char* folder);
bool FolderExists(const char* folder);
// True when the folder holds no file and no folder.
bool FolderIsEmpty(const char* folder);
// `path` made absolute against the current folder.
std::string FullPath(const char* path);
// `path` made absolute, its short names written out where it exists: one
// spelling for the folder whatever way it was reached.
std::string LongPath(const std::string& path);

// Restores the drive and folder that were current when it was made, however
// the work in its scope ends.
class CurrentFolderKeeper {
 public:
  CurrentFolderKeeper() : m_nDrive(GetCurrentDrive()), m_strFolder(GetCurrentFolder()) {}
  ~CurrentFolderKeeper() {
    ChangeDrive(m_nDrive);
    ChangeFolder(m_strFolder.c_str());
  }
  CurrentFolderKeeper(const CurrentFolderKeeper&) = delete;
  CurrentFolderKeeper& operator=(const CurrentFolderKeeper&) = delete;

 private:
  int m_nDrive;
  std::string m_strFolder;
};

// The full path of the running program, however long; empty when the
// platform cannot tell it.
std::string ProgramPath();

// Where the program lies, behind a seam: Wine cannot start a program from a
// path of 260 characters or more, so tests give such a path here.
class ProgramLocation {
 public:
  virtual ~ProgramLocation() = default;
  virtual std::string Path() = 0;
};
// nullptr restores the system's.
void SetProgramLocationForTesting(ProgramLocation* location);
// True when the file can be opened for reading.
bool CanOpenForReading(const char* path);
