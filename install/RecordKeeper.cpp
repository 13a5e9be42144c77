#include "install/RecordKeeper.h"

#include <algorithm>

#include "core/PathReading.h"
#include "wizard/FolderRules.h"

void RecordKeeper::Add(RecordKind kind, const std::string& value) {
  if (m_record.Add(kind, value)) m_bUnsaved = true;
}

void RecordKeeper::AddMissingFolders() {
  for (const std::string& level : FolderLevels(m_strFolder)) {
    if (m_folderExists(level.c_str())) continue;
    Add(RecordKind::Folder, level);
    if (std::find(m_madeFolders.begin(), m_madeFolders.end(), level) == m_madeFolders.end())
      m_madeFolders.push_back(level);
  }
}

void RecordKeeper::KeepEarlierRecord() {
  InstallRecord earlier;
  if (InstallRecord::Load(RecordPath(), earlier, m_files) == RecordState::Read)
    m_record.Merge(earlier);
}

void RecordKeeper::Save() {
  if (!m_folderExists(m_strFolder.c_str())) return;
  // What another run wrote in the meantime stays listed.
  KeepEarlierRecord();
  m_bUnsaved = !m_record.Save(RecordPath(), m_files);
}

void RecordKeeper::SaveOrTakeAwayMadeFolders() {
  Save();
  if (!m_bUnsaved) return;
  for (auto level = m_madeFolders.rbegin(); level != m_madeFolders.rend(); ++level)
    m_removeFolder(level->c_str());
}

std::string RecordKeeper::RecordPath() const { return JoinPath(m_strFolder, kInstallRecordName); }
