#include "uninst/UninstApp.h"

#include <cstring>

#include "core/NameRules.h"
#include "core/PathReading.h"
#include "core/SetupConfig.h"
#include "core/WorkFolderFiles.h"
#include "platform/CommandLine.h"
#include "platform/FolderLock.h"
#include "platform/Folders.h"
#include "platform/MessageBox.h"
#include "platform/Profile.h"
#include "platform/SelfRemoval.h"
#include "platform/StandardError.h"
#include "uninst/Uninstall.h"

CUninstApp theUninstApp;

namespace {

// The first word of the removal copy's command line; no user types it.
constexpr char kFinishWord[] = "finish-removal";

// The product name as the installation branded it; blank or unusable names
// count as not given.
std::string InstalledProductName(const std::string& settingsFile) {
  SetupState branding{};
  ReadBranding(branding, [&](const char* key, const char* defaultValue) {
    return ReadProfileValue("Kq", key, defaultValue, settingsFile.c_str());
  });
  return OemNameProblem(branding.m_szProductName) ? kDefaultProductName : branding.m_szProductName;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += "\n" + line;
  return text;
}

int ExitCodeOf(Uninstallation::Check check) {
  switch (check) {
    case Uninstallation::Check::Ready:
      break;
    case Uninstallation::Check::NothingToRemove:
    case Uninstallation::Check::NotInstalledHere:
      return kUninstallNothing;
    case Uninstallation::Check::Damaged:
    case Uninstallation::Check::OutOfBounds:
      return kUninstallIncomplete;
  }
  return kUninstallRemoved;
}

}  // namespace

void CUninstApp::Tell(const std::string& text, UINT icon, InstallLog* log) const {
  if (log) log->Line(text);
  if (m_bUnattended)
    WriteStandardError(text);
  else
    AfxMessageBox(text.c_str(), MB_OK | icon);
}

bool CUninstApp::FilesAreFree(Uninstallation& removal, InstallLog& log) const {
  for (;;) {
    const std::vector<std::string> held = removal.FilesInUse();
    if (held.empty()) return true;
    const std::string text = "These files of " + removal.ProductName() +
                             " are in use and cannot be removed now:" + Joined(held);
    if (m_bUnattended) {
      // Everything else goes; what is held stays for a second run.
      Tell(text, 0, &log);
      return true;
    }
    switch (AfxMessageBox(
        (text + "\n\nClose these programs and choose Retry. Ignore removes everything "
                "else now and keeps these for a later removal.")
            .c_str(),
        MB_ABORTRETRYIGNORE | MB_ICONEXCLAMATION)) {
      case IDRETRY:
        continue;
      case IDIGNORE:
        log.Line(text);
        return true;
      default:
        log.Line(text);
        log.Line("stopped: nothing removed");
        return false;
    }
  }
}

BOOL CUninstApp::InitInstance() {
  const std::vector<std::string> words = SplitArguments(m_lpCmdLine);
  if (!words.empty() && words[0] == kFinishWord) {
    FinishRemoval(std::vector<std::string>(words.begin() + 1, words.end()));
    return FALSE;
  }
  m_bUnattended = std::strcmp(m_lpCmdLine, "unattended") == 0;
  const std::string program = ProgramPath();
  const std::string folder = LongPath(ProgramFolder(program));
  const std::string ownName = program.substr(program.find_last_of('\\') + 1);
  Uninstallation removal(folder, ownName,
                         InstalledProductName(JoinPath(folder, kSettingsFileName)));

  // Every box is titled with the product's name.
  m_pszAppName = removal.ProductName();
  // An installation into the folder would record what this removes.
  const FolderLock lock(folder, kFolderLockWaitMs);
  if (!lock.Held()) {
    m_nExitCode = kUninstallIncomplete;
    Tell("Another installation or removal is using " + folder +
             ". Nothing was removed. Please try again later.",
         MB_ICONSTOP, nullptr);
    return FALSE;
  }
  std::string refusal;
  const Uninstallation::Check check = removal.Prepare(refusal);
  if (check != Uninstallation::Check::Ready) {
    m_nExitCode = ExitCodeOf(check);
    Tell(refusal, m_nExitCode == kUninstallNothing ? 0 : MB_ICONSTOP, nullptr);
    return FALSE;
  }
  const std::string product = removal.ProductName();
  if (!m_bUnattended && AfxMessageBox(("Remove " + product + " and all of its components?").c_str(),
                                      MB_YESNO) != IDYES) {
    m_nExitCode = kUninstallDeclined;
    return FALSE;
  }
  InstallLog log(removal.LogPath(), InstallLog::Start::AfterEarlierLines);
  log.Line("removing " + product + " from " + folder);
  if (!FilesAreFree(removal, log)) {
    m_nExitCode = kUninstallDeclined;
    return FALSE;
  }
  std::vector<std::string> problems = removal.Remove(log);
  if (removal.Finished() && !StartRemovalCopy(kFinishWord, removal.FoldersToRemove())) {
    problems.push_back(program);
    log.Line("could not hand over the removal of " + program);
  }
  m_nExitCode = problems.empty() ? kUninstallRemoved : kUninstallIncomplete;
  log.Line("exit code " + std::to_string(m_nExitCode));
  if (!problems.empty()) {
    const std::string again =
        removal.Finished() ? "" : "\n\nRun the uninstaller again once they are free.";
    Tell("These could not be removed:" + Joined(problems) + again, MB_ICONSTOP, nullptr);
  }
  return FALSE;
}
