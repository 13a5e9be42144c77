// The installation record that one run keeps: the lines its steps add,
// saved into the working folder with what another run wrote there in the
// meantime, and the folders of the working folder path that the run made,
// which a run that cannot save its record takes away again.
#pragma once

#include <string>
#include <vector>

#include "install/InstallRecord.h"

class RecordKeeper {
 public:
  // Asks of a folder whether it exists, or removes it if it is empty (true
  // when it is gone): the disk's in the installation, a test's own on the
  // host.
  using FolderCheck = bool (*)(const char* folder);

  RecordKeeper(FileOps& files, FolderCheck folderExists, FolderCheck removeFolder)
      : m_files(files), m_folderExists(folderExists), m_removeFolder(removeFolder) {}

  // The working folder, which holds the record; set before the first line.
  void SetFolder(const std::string& folder) { m_strFolder = folder; }
  // Adds a line, saved with the next Save.
  void Add(RecordKind kind, const std::string& value);
  // Records the folders of the working folder path that do not exist yet,
  // so that the uninstaller takes away those the run makes.
  void AddMissingFolders();
  // An earlier installation into the same folder keeps what it recorded.
  void KeepEarlierRecord();
  // True while lines are added that no save has written.
  bool Unsaved() const { return m_bUnsaved; }
  // Writes the record, unless the working folder is missing.
  void Save();
  // Saves the record; where it cannot be saved, nothing would tell the
  // uninstaller of the folders this run made, so they go again (inner ones
  // first; a folder that holds something stays).
  void SaveOrTakeAwayMadeFolders();

 private:
  std::string RecordPath() const;

  FileOps& m_files;
  FolderCheck m_folderExists;
  FolderCheck m_removeFolder;
  std::string m_strFolder;
  InstallRecord m_record;
  bool m_bUnsaved = false;
  // The folders of the working folder path that did not exist before this
  // run, outer ones first.
  std::vector<std::string> m_madeFolders;
};
