// Removing the installation in the uninstaller's own folder: exactly what
// its record names, within bounds the uninstaller works out itself, and
// nothing the user or the product added later. What cannot be removed
// stays in the record, with the uninstaller and the entry among the
// installed programs, so that a second run finishes the job.
#pragma once

#include <string>
#include <vector>

#include "install/InstallLog.h"
#include "install/InstallRecord.h"

constexpr int kUninstallRemoved = 0;
constexpr int kUninstallIncomplete = 1;
constexpr int kUninstallNothing = 2;
constexpr int kUninstallDeclined = 3;

class Uninstallation {
 public:
  // `folder` is the uninstaller's own, `ownName` its file name there;
  // `brandedName` the product name of the installed kq.ini.
  Uninstallation(const std::string& folder, const std::string& ownName,
                 const std::string& brandedName);

  enum class Check { Ready, NothingToRemove, NotInstalledHere, Damaged, OutOfBounds };
  // Reads the record and checks it before anything is removed; `message`
  // says what is wrong, in words for the user.
  Check Prepare(std::string& message);

  // The product's name: that of its entry among the installed programs,
  // which the installation wrote where the record's readers cannot, else
  // the branded one.
  const std::string& ProductName() const { return m_strProduct; }
  // The record's log, where it may be written; empty when there is none.
  std::string LogPath() const;

  // The recorded files that other programs hold now, each with the
  // programs that hold it.
  std::vector<std::string> FilesInUse() const;

  // Removes what the record names: the dial-up tuning put back on the
  // Windows 9x family, the group, the files, and once they are all gone the
  // record and last the entry and the keys made for it. Returns what could
  // not be removed.
  std::vector<std::string> Remove(InstallLog& log);
  // True when nothing is left but the uninstaller's own file and the
  // folders, for the removal copy.
  bool Finished() const { return m_bFinished; }
  // The recorded folders and the installation folder, inner ones first: the
  // order in which they can go once they are empty.
  std::vector<std::string> FoldersToRemove() const;

 private:
  std::string RecordPath() const;
  // The folder of another installation of the product that still has its
  // record: it uses the same group. Empty when there is none.
  std::string OtherInstallation() const;
  // The folders that the product's group has in the Programs folders.
  std::vector<std::string> GroupFolders() const;

  std::string m_strFolder;
  std::string m_strOwnName;
  std::string m_strProduct;
  InstallRecord m_record;
  bool m_bFinished = false;
};
