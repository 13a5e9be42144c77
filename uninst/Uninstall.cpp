#include "uninst/Uninstall.h"

#include <algorithm>

#include "core/NameRules.h"
#include "core/PathReading.h"
#include "core/WorkFolderFiles.h"
#include "install/InstallLog.h"
#include "install/ProgramGroup.h"
#include "install/UninstallEntry.h"
#include "platform/FilesInUse.h"
#include "platform/Folders.h"
#include "platform/ShellLink.h"
#include "platform/SystemVersion.h"
#include "platform/Text.h"
#include "uninst/RecordBounds.h"
#include "uninst/RemovalText.h"
#include "wizard/DialUpTuning.h"

namespace {

// The outcome of one removal, logged, and the record line taken out unless
// it failed.
class Outcomes {
 public:
  Outcomes(InstallRecord& remaining, InstallLog& log) : m_remaining(remaining), m_log(log) {}

  void Note(Removal removal, const RecordLine& line, const std::string& what,
            const std::string& why = "") {
    m_log.Line(RemovalText(removal, what, why));
    if (removal == Removal::Failed)
      m_problems.push_back(what + (why.empty() ? "" : " (" + why + ")"));
    else
      m_remaining.Remove(line.kind, line.value);
  }
  const std::vector<std::string>& Problems() const { return m_problems; }

 private:
  InstallRecord& m_remaining;
  InstallLog& m_log;
  std::vector<std::string> m_problems;
};

// "in use by" and the programs that hold `path`.
std::string Holders(const std::string& path) {
  const std::vector<std::string> holders = ProgramsUsing(path);
  if (holders.empty()) return "in use by another program";
  std::string text = "in use by ";
  for (size_t i = 0; i < holders.size(); ++i) text += (i ? ", " : "") + holders[i];
  return text;
}

Removal RemoveFile(const std::string& path) {
  FileOps& files = RealFileOps();
  if (!files.Exists(path)) return Removal::AlreadyGone;
  return files.Delete(path) ? Removal::Removed : Removal::Failed;
}

}  // namespace

Uninstallation::Uninstallation(const std::string& folder, const std::string& ownName,
                               const std::string& brandedName)
    : m_strFolder(folder), m_strOwnName(ownName), m_strProduct(brandedName) {}

std::string Uninstallation::RecordPath() const { return JoinPath(m_strFolder, kInstallRecordName); }

Uninstallation::Check Uninstallation::Prepare(std::string& message) {
  std::string damage;
  const RecordState state = InstallRecord::Load(RecordPath(), m_record, RealFileOps(), &damage);
  if (state == RecordState::Missing) {
    message = "There is nothing of " + m_strProduct + " to remove.";
    return Check::NothingToRemove;
  }
  // A copy of the uninstaller and its record elsewhere must not act on the
  // folder it was copied to.
  bool registered = false;
  for (const InstalledEntry& entry : InstalledEntries()) {
    if (entry.installLocation.empty() ||
        !RealFileOps().SameFile(entry.installLocation, m_strFolder))
      continue;
    if (!registered && !OemNameProblem(entry.displayName)) m_strProduct = entry.displayName;
    registered = true;
  }
  if (!registered) {
    message = m_strProduct + " is not installed in " + m_strFolder + ": nothing was removed.";
    return Check::NotInstalledHere;
  }
  if (state == RecordState::Damaged) {
    message = "The installation record " + RecordPath() + " is damaged: " + damage +
              ". Nothing was removed.";
    return Check::Damaged;
  }
  RecordBounds bounds;
  bounds.folder = m_strFolder;
  bounds.productName = m_strProduct;
  bounds.groupFolders = GroupFolders();
  bounds.longName = LongPath;
  bounds.isInstallationLog = [](const std::string& path) { return IsInstallationLog(path); };
  const std::vector<RefusedLine> refused = LinesOutOfBounds(m_record, bounds);
  if (refused.empty()) return Check::Ready;
  message = "The installation record " + RecordPath() +
            " names what is not this installation's, so nothing was removed:";
  for (const RefusedLine& line : refused)
    message += "\n" + std::string(RecordKindWord(line.line.kind)) + " " + line.line.value + ": " +
               line.reason;
  return Check::OutOfBounds;
}

std::string Uninstallation::LogPath() const {
  const std::vector<std::string> logs = m_record.Values(RecordKind::Log);
  return logs.empty() ? std::string() : logs.back();
}

std::vector<std::string> Uninstallation::FilesInUse() const {
  std::vector<std::string> held;
  for (const std::string& name : m_record.Values(RecordKind::File)) {
    const std::string path = JoinPath(m_strFolder, name);
    if (!SameTextIgnoringCase(name, m_strOwnName) && FileInUse(path))
      held.push_back(path + " (" + Holders(path) + ")");
  }
  return held;
}

std::vector<std::string> Uninstallation::GroupFolders() const {
  std::vector<std::string> folders;
  for (const std::string& programs : StartMenuProgramsFolders())
    folders.push_back(JoinPath(programs, m_strProduct));
  return folders;
}

std::string Uninstallation::OtherInstallation() const {
  for (const InstalledEntry& entry : InstalledEntries()) {
    if (entry.displayName != m_strProduct || entry.installLocation.empty() ||
        RealFileOps().SameFile(entry.installLocation, m_strFolder))
      continue;
    if (RealFileOps().Exists(JoinPath(entry.installLocation, kInstallRecordName)))
      return entry.installLocation;
  }
  return std::string();
}

std::vector<std::string> Uninstallation::Remove(InstallLog& log) {
  InstallRecord remaining = m_record;
  Outcomes outcomes(remaining, log);
  // As "No optimization" does it, and only where this installation tuned.
  const std::string settings = JoinPath(m_strFolder, kSettingsFileName);
  if (!IsNtFamily() && HasTuningBackup(settings.c_str()) && IsDialUpTuned()) {
    RestoreTuning(settings.c_str());
    log.Line("dial-up optimisation undone from the values kept in kq.ini");
  }
  const std::string other = OtherInstallation();
  const std::string usedBy = "the installation in " + other + " uses it";
  for (const RecordLine& line : m_record.Lines()) {
    if (line.kind == RecordKind::Group) {
      const Removal removal =
          other.empty() ? RemoveProgramGroup(line.value, m_strFolder) : Removal::Kept;
      outcomes.Note(
          removal, line, "program group " + line.value,
          removal == Removal::Kept ? (other.empty() ? "it holds other items" : usedBy) : "");
    } else if (line.kind == RecordKind::Shortcut) {
      if (other.empty())
        outcomes.Note(RemoveFile(line.value), line, line.value);
      else
        outcomes.Note(Removal::Kept, line, line.value, usedBy);
    } else if (line.kind == RecordKind::File && !SameTextIgnoringCase(line.value, m_strOwnName)) {
      const std::string path = JoinPath(m_strFolder, line.value);
      const Removal removal = RemoveFile(path);
      outcomes.Note(removal, line, path,
                    removal == Removal::Failed && FileInUse(path) ? Holders(path) : "");
    }
  }
  // A group of shortcut files goes with its last shortcut, so that the
  // Start menu shows nothing of a removal that waits for a second run.
  const std::vector<std::string> groups = GroupFolders();
  for (const std::string& folder : m_record.Values(RecordKind::Folder)) {
    const bool isGroup = std::any_of(groups.begin(), groups.end(), [&](const std::string& group) {
      return SameTextIgnoringCase(group, folder);
    });
    if (other.empty() && isGroup && FolderIsEmpty(folder.c_str())) RemoveFolder(folder.c_str());
  }
  if (!outcomes.Problems().empty()) {
    // The rest waits for a second run: the record of what is left, the
    // uninstaller and its entry.
    const bool saved = remaining.Save(RecordPath());
    log.Line(saved ? "kept the record of what is left, the uninstaller and its entry"
                   : "could not write the record of what is left");
    return outcomes.Problems();
  }
  const RecordLine recordLine{RecordKind::File, kInstallRecordName};
  outcomes.Note(RemoveFile(RecordPath()), recordLine, RecordPath());
  if (!outcomes.Problems().empty()) return outcomes.Problems();
  // Last the entry, then the keys above it, inner keys first; a key that
  // holds something of another program stays.
  for (const std::string& entry : m_record.Values(RecordKind::UninstallEntry)) {
    const Removal removal = RemoveUninstallEntry(entry, m_strFolder);
    outcomes.Note(removal, {RecordKind::UninstallEntry, entry}, "registry key " + entry,
                  removal == Removal::Kept ? "it lists another installation" : "");
  }
  std::vector<std::string> keys = m_record.Values(RecordKind::RegistryKey);
  std::reverse(keys.begin(), keys.end());
  for (const std::string& key : keys) {
    const Removal removal = RemoveRecordedKey(key);
    outcomes.Note(removal, {RecordKind::RegistryKey, key}, "registry key " + key,
                  removal == Removal::Kept ? "it holds values or keys of other programs" : "");
  }
  m_bFinished = true;
  return outcomes.Problems();
}

std::vector<std::string> Uninstallation::FoldersToRemove() const {
  std::vector<std::string> folders = m_record.Values(RecordKind::Folder);
  if (std::none_of(folders.begin(), folders.end(),
                   [&](const std::string& f) { return SameTextIgnoringCase(f, m_strFolder); }))
    folders.push_back(m_strFolder);
  // A folder's path is longer than that of the folders around it.
  std::stable_sort(folders.begin(), folders.end(),
                   [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
  return folders;
}
