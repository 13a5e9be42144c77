#include "app/SetupApp.h"

#include "app/SetupDlg.h"
#include "core/RunningSetup.h"
#include "core/SetupConfig.h"
#include "install/UnattendedInstall.h"
#include "install/UpdateMode.h"
#include "package/PackageCheck.h"
#include "package/PackingMode.h"
#include "package/PieceFormat.h"
#include "platform/Folders.h"
#include "platform/MessageBox.h"
#include "platform/Profile.h"

CSetupApp theApp;

// The pages and the installation steps reach the state through core/, not
// through this object.
CSetupApp::CSetupApp() : SetupState() { SetRunningSetup(this); }

BOOL CSetupApp::InitInstance() {
  Enable3dControls();
  ReadConfiguration();
  switch (ChooseMode(m_lpCmdLine)) {
    case SetupMode::Update:
      // Scripts that run the update tell a failed join by the exit code.
      m_nExitCode = RunUpdateMode(*this) ? 0 : 1;
      break;
    case SetupMode::Pack:
      RunPackingMode();
      break;
    case SetupMode::Install:
      RunInstallMode();
      break;
    case SetupMode::Unattended:
      m_nExitCode = RunUnattendedInstall(UnattendedAnswersFile(m_lpCmdLine));
      break;
  }
  return FALSE;
}

void CSetupApp::ReadConfiguration() {
  FindSetupIni();
  ReadBranding(*this, [this](const char* key, const char* defaultValue) {
    return ReadProfileValue("Kq", key, defaultValue, m_szSetupIni);
  });
  BuildTitleFormat(*this);
}

void CSetupApp::FindSetupIni() {
  const std::string program = ProgramPath();
  // The distribution is where the program is, whatever folder a dialog
  // makes current later.
  StoreText(m_szSetupDir, ProgramFolder(program));
  std::string ini = ProgramIniPath(program);
  // Only existence counts: a file named after the program wins even if it
  // holds no branding.
  if (!CanOpenForReading(ini.c_str())) ini = FolderIniPath(program);
  StoreText(m_szSetupIni, ini);
}

void CSetupApp::RunInstallMode() {
  // The distribution is expected to be the current folder; without its
  // first piece there is nothing to install.
  if (!CanOpenForReading(PieceName(kProductPackage, 0).c_str())) return;
  // A name that cannot be a folder or a key is the supplier's to correct,
  // as a damaged piece is; rewriting it would hide their mistake.
  const std::string branding = BrandingProblem(*this);
  if (!branding.empty()) {
    AfxMessageBox(branding.c_str(), MB_OK | MB_ICONSTOP);
    m_nExitCode = 1;
    return;
  }
  // A broken download or a bad disc is refused before anything changes,
  // rather than found out by a join halfway through the installation.
  const std::string damage = CheckDistribution(RealFileOps());
  if (!damage.empty()) {
    AfxMessageBox(damage.c_str(), MB_OK | MB_ICONSTOP);
    m_nExitCode = 1;
    return;
  }
  CSetupDlg dialog(nullptr);
  m_pMainWnd = &dialog;
  dialog.DoModal();
  m_pMainWnd = nullptr;
}
