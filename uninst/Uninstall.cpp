#include "uninst/Uninstall.h"

#include <algorithm>

#include "install/ProgramGroup.h"
#include "install/UninstallEntry.h"
#include "platform/SystemVersion.h"
#include "platform/Text.h"
#include "wizard/DialUpTuning.h"

namespace {

void Removed(bool removed, const std::string& what, std::vector<std::string>& problems,
             InstallLog& log) {
  log.Line((removed ? "removed " : "could not remove ") + what);
  if (!removed) problems.push_back(what);
}

}  // namespace

std::vector<std::string> RemoveInstallation(const InstallRecord& record, const std::string& folder,
                                            const std::string& ownName, InstallLog& log) {
  std::vector<std::string> problems;
  // As "No optimization" does it, and only where this installation tuned.
  const std::string settings = folder + "\\kq.ini";
  if (!IsNtFamily() && HasTuningBackup(settings.c_str()) && IsDialUpTuned()) {
    RestoreTuning(settings.c_str());
    log.Line("dial-up optimisation undone from the values kept in kq.ini");
  }
  FileOps& files = RealFileOps();
  for (const std::string& group : record.Values(RecordKind::Group))
    Removed(DeleteProgramGroup(group), "program group " + group, problems, log);
  for (const std::string& shortcut : record.Values(RecordKind::Shortcut))
    if (files.Exists(shortcut)) Removed(files.Delete(shortcut), shortcut, problems, log);
  for (const std::string& entry : record.Values(RecordKind::UninstallEntry))
    Removed(RemoveRecordedKey(entry, false), "registry key " + entry, problems, log);
  std::vector<std::string> keys = record.Values(RecordKind::RegistryKey);
  // Inner keys first; a key that holds something of another program stays.
  std::reverse(keys.begin(), keys.end());
  for (const std::string& key : keys)
    Removed(RemoveRecordedKey(key, true), "registry key " + key, problems, log);

  for (const std::string& name : record.Values(RecordKind::File)) {
    const std::string path = folder + "\\" + name;
    if (SameTextIgnoringCase(name, ownName) || !files.Exists(path)) continue;
    Removed(files.Delete(path), path, problems, log);
  }
  const std::string recordPath = folder + "\\" + kInstallRecordName;
  Removed(files.Delete(recordPath), recordPath, problems, log);
  return problems;
}

std::vector<std::string> FoldersToRemove(const InstallRecord& record, const std::string& folder) {
  std::vector<std::string> folders = record.Values(RecordKind::Folder);
  if (std::none_of(folders.begin(), folders.end(),
                   [&](const std::string& f) { return SameTextIgnoringCase(f, folder); }))
    folders.push_back(folder);
  // A folder's path is longer than that of the folders around it.
  std::stable_sort(folders.begin(), folders.end(),
                   [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
  return folders;
}
