#include "uninst/UninstApp.h"

#include <cstring>

#include "core/SetupConfig.h"
#include "platform/CommandLine.h"
#include "platform/FolderLock.h"
#include "platform/Folders.h"
#include "platform/MessageBox.h"
#include "platform/Profile.h"
#include "platform/SelfRemoval.h"
#include "uninst/Uninstall.h"

CUninstApp theUninstApp;

namespace {

// The first word of the removal copy's command line; no user types it.
constexpr char kFinishWord[] = "finish-removal";

// The product name as the installation branded it.
std::string InstalledProductName(const std::string& settingsFile) {
  SetupState branding{};
  ReadBranding(branding, [&](const char* key, const char* defaultValue) {
    return ReadProfileValue("Kq", key, defaultValue, settingsFile.c_str());
  });
  return branding.m_szProductName;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += "\n" + line;
  return text;
}

}  // namespace

BOOL CUninstApp::InitInstance() {
  const std::vector<std::string> words = SplitArguments(m_lpCmdLine);
  if (!words.empty() && words[0] == kFinishWord) {
    FinishRemoval(std::vector<std::string>(words.begin() + 1, words.end()));
    return FALSE;
  }
  const bool unattended = std::strcmp(m_lpCmdLine, "unattended") == 0;
  const std::string program = ProgramPath();
  const size_t slash = program.find_last_of('\\');
  const std::string folder = program.substr(0, slash);
  const std::string ownName = program.substr(slash + 1);
  const std::string product = InstalledProductName(folder + "\\kq.ini");
  // An installation into the folder would record what this removes.
  const FolderLock lock(folder, kFolderLockWaitMs);
  if (!lock.Held()) {
    const std::string busy = "Another installation or removal is using " + folder +
                             ". Nothing was removed. Please try again later.";
    if (!unattended) AfxMessageBox(busy.c_str());
    m_nExitCode = kUninstallIncomplete;
    return FALSE;
  }

  InstallRecord record;
  if (!InstallRecord::Load(folder + "\\" + kInstallRecordName, record)) {
    if (!unattended) AfxMessageBox(("There is nothing of " + product + " to remove.").c_str());
    m_nExitCode = kUninstallNothing;
    return FALSE;
  }
  if (!unattended && AfxMessageBox(("Remove " + product + " and all of its components?").c_str(),
                                   MB_YESNO) != IDYES) {
    m_nExitCode = kUninstallDeclined;
    return FALSE;
  }
  const std::vector<std::string> logs = record.Values(RecordKind::Log);
  InstallLog log(logs.empty() ? std::string() : logs.back(), InstallLog::Start::AfterEarlierLines);
  log.Line("removing " + product + " from " + folder);
  std::vector<std::string> problems = RemoveInstallation(record, folder, ownName, log);
  if (!StartRemovalCopy(kFinishWord, FoldersToRemove(record, folder))) {
    problems.push_back(program);
    log.Line("could not hand over the removal of " + program);
  }
  m_nExitCode = problems.empty() ? kUninstallRemoved : kUninstallIncomplete;
  log.Line("exit code " + std::to_string(m_nExitCode));
  if (!problems.empty() && !unattended)
    AfxMessageBox(("These could not be removed:" + Joined(problems)).c_str());
  return FALSE;
}
