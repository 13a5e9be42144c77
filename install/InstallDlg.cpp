#include "install/InstallDlg.h"

#include <cctype>
#include <cstdio>
#include <iterator>

#include "app/SetupApp.h"
#include "install/FolderPath.h"
#include "install/JoinPackage.h"
#include "install/PackageCheck.h"
#include "install/ProgramGroup.h"
#include "install/SettingsFile.h"
#include "install/WorkFolderFiles.h"
#include "platform/DataExchange.h"
#include "platform/Folders.h"
#include "platform/Launch.h"
#include "platform/MessageBox.h"
#include "platform/Profile.h"
#include "resources/dlg149-install.h"
#include "resources/resource.h"
#include "wizard/Prop.h"

namespace {

constexpr UINT_PTR kStepTimer = 900;
constexpr UINT kStepMs = 200;
constexpr int kProgressMax = 520;
constexpr int kEdgeGap = 40;

// Steps 16 to 26 copy the pictures, one per tick.
constexpr int kFirstSettingsStep = 1;
constexpr int kLastSettingsStep = 8;
constexpr int kFirstPictureStep = 16;
constexpr int kLastPictureStep = kFirstPictureStep + static_cast<int>(std::size(kPictureFiles)) - 1;
constexpr int kLastStep = 30;

const CProp& Wizard() { return *theApp.m_pWizard; }

InstallAnswers WizardAnswers() {
  const CProp& wizard = Wizard();
  InstallAnswers answers;
  answers.m_bUseDialUp = wizard.m_pageIntern.m_bUseDialUp != 0;
  answers.m_bUseAol = wizard.m_pageIntern.m_bUseAol != 0;
  answers.m_bUseLan = wizard.m_pageIntern.m_bUseLan != 0;
  answers.m_strProxy = wizard.m_pageIntern.m_strProxy;
  answers.m_strRasPhone = wizard.m_pageIntern.m_strRasPhone;
  answers.m_strRasUser = wizard.m_pageIntern.m_strRasUser;
  answers.m_strRasPassword = wizard.m_pageIntern.m_strRasPassword;
  answers.m_strCameraCount = wizard.m_pageCamera.m_strCameraCount;
  answers.m_strPassword = wizard.m_pagePassword.m_strPassword;
  return answers;
}

const std::string& WorkFolder() { return Wizard().m_pageWorkFolder.m_strFolder; }

}  // namespace

CInstallDlg::CInstallDlg(CWnd* parent) : CDialog(IDD_INSTALL, parent) {}

CInstallDlg::~CInstallDlg() { EndPieceSearch(); }

void CInstallDlg::DoDataExchange(CDataExchange* dx) {
  DDX_Control(dx, IDC_INSTALL_PROGRESS, m_progress);
}

BOOL CInstallDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  RECT frame;
  GetWindowRect(m_hWnd, &frame);
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  MoveWindow(m_hWnd, GetSystemMetrics(SM_CXSCREEN) - width - kEdgeGap,
             GetSystemMetrics(SM_CYSCREEN) - height - kEdgeGap, width, height, TRUE);
  m_nStep = 0;
  m_nPieceCount = 0;
  SetTimer(kStepTimer, kStepMs);
  m_progress.SendMessage(PBM_SETRANGE, 0, MAKELPARAM(0, kProgressMax));
  return TRUE;
}

void CInstallDlg::OnTimer(UINT_PTR) {
  RunInstallStep();
  m_progress.SendMessage(PBM_SETPOS, m_nStep + m_nPieceCount);
  Invalidate(TRUE);
  UpdateWindow();
}

void CInstallDlg::OnDestroy() {
  KillTimer(kStepTimer);
  EndPieceSearch();
}

void CInstallDlg::RunInstallStep() {
  const int step = m_nStep;
  if (step >= kFirstSettingsStep && step <= kLastSettingsStep) {
    m_nStep = step + 1;
    WriteSettings(step);
    return;
  }
  if (step >= kFirstPictureStep && step <= kLastPictureStep) {
    m_nStep = step + 1;
    CopyToWorkFolder(kPictureFiles[step - kFirstPictureStep]);
    return;
  }
  switch (step) {
    case 0:
      m_nStep = 1;
      if (!PrepareWorkFolder()) EndDialog(IDCANCEL);
      break;
    case 9:
      m_nStep = 10;
      StartPieceSearch();
      CopyNextPiece();
      break;
    case 10:
      CopyNextPiece();
      break;
    case 11:
      m_nStep = 12;
      CopyToWorkFolder(kSetupProgram);
      break;
    case 12:
      m_nStep = 14;
      CopyToWorkFolder(kUninstaller);
      break;
    case 14:
      m_nStep = 15;
      JoinPackages();
      break;
    case 15:
      m_nStep = 16;
      CreateProgramGroup(theApp.m_szProductName, WorkFolder());
      break;
    case 27:
    case 28:
    case 29:
      m_nStep = step + 1;
      break;
    case kLastStep:
      ReportFailedJoins();
      CDialog::OnOK();
      break;
    default:
      break;
  }
}

bool CInstallDlg::PrepareWorkFolder() {
  // The distribution's folder comes from the program's path: a dialog of
  // the wizard may have left another folder current.
  std::snprintf(m_szSetupDir, kTextSize, "%s", theApp.m_szSetupDir);
  if (RealFileOps().SameFile(WorkFolder(), m_szSetupDir)) {
    KillTimer(kStepTimer);
    AfxMessageBox(kSetupFolderRefusal);
    return false;
  }
  const std::string ini = WorkFolderPath(kSettingsFileName);
  m_bSettingsPathOk = ini.size() < static_cast<size_t>(kTextSize);
  std::snprintf(theApp.m_szProductIni, kTextSize, "%s", m_bSettingsPathOk ? ini.c_str() : "");
  m_nInstallDrive =
      HasDriveLetter(ini.c_str()) ? std::toupper(static_cast<unsigned char>(ini[0])) - 64 : 0;
  m_nSavedDrive = GetCurrentDrive();
  std::string folders = ini;
  CreateFolderPath(&folders[0]);
  ReturnToSetupFolder();
  return true;
}

void CInstallDlg::WriteSettings(int step) {
  if (!m_bSettingsPathOk) return;
  for (const SettingWrite& write : SettingsOfStep(step, theApp, WizardAnswers()))
    WriteProfileValue(write.section, write.key, write.value.c_str(), theApp.m_szProductIni);
}

void CInstallDlg::StartPieceSearch() {
  m_hFind = FindFirstFileA("*.cab", &m_findData);
  m_nFindResult = m_hFind == INVALID_HANDLE_VALUE ? -1 : 0;
  SkipFolders();
}

void CInstallDlg::FindNextPiece() {
  m_nFindResult = FindNextFileA(m_hFind, &m_findData) ? 0 : -1;
  SkipFolders();
}

void CInstallDlg::SkipFolders() {
  while (m_nFindResult != -1 && (m_findData.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
    m_nFindResult = FindNextFileA(m_hFind, &m_findData) ? 0 : -1;
  if (m_nFindResult == -1) EndPieceSearch();
}

void CInstallDlg::EndPieceSearch() {
  if (m_hFind != INVALID_HANDLE_VALUE) FindClose(m_hFind);
  m_hFind = INVALID_HANDLE_VALUE;
}

void CInstallDlg::CopyNextPiece() {
  if (m_nFindResult == -1) {
    m_nStep = 11;
    return;
  }
  ++m_nPieceCount;
  const char* piece = m_findData.cFileName;
  const std::string target = WorkFolderPath(piece);
  if (!CopyBinaryFile(piece, target.c_str())) {
    // No tick may copy again behind the open question.
    KillTimer(kStepTimer);
    const std::string text = std::string("Reading file error (file:") + piece + ")";
    do {
      if (AfxMessageBox(text.c_str(), MB_RETRYCANCEL) != IDRETRY) {
        EndPieceSearch();
        EndDialog(IDCANCEL);
        return;
      }
    } while (!CopyBinaryFile(piece, target.c_str()));
    SetTimer(kStepTimer, kStepMs);
  }
  FindNextPiece();
}

void CInstallDlg::JoinPackages() {
  // The joins delete the pieces where they run, so they run only once the
  // working folder is really current, never in the setup folder.
  const std::string& folder = WorkFolder();
  const char* path = folder.c_str() + (m_nInstallDrive ? 2 : 0);
  const bool entered = (!m_nInstallDrive || (ChangeDrive(m_nInstallDrive) && ChangeFolder("\\"))) &&
                       (!*path || ChangeFolder(path));
  for (const char* prefix : {"kq", "ch"}) {
    if (!entered || JoinPackage(prefix, theApp) == JoinResult::kFailed)
      m_failedJoins.push_back(prefix);
  }
  if (entered) {
    if (CanOpenForReading("spchapi.exe")) {
      StartProgram("spchapi.exe /Q");
      StartProgram("msttsm22l.exe /Q");
    }
  }
  ReturnToSetupFolder();
}

// Once, after the last step: the user must know that the product is not
// whole, though every other step has run.
void CInstallDlg::ReportFailedJoins() {
  if (m_failedJoins.empty()) return;
  KillTimer(kStepTimer);
  AfxMessageBox(FailedJoinsMessage(m_failedJoins).c_str(), MB_OK | MB_ICONSTOP);
}

void CInstallDlg::ReturnToSetupFolder() {
  ChangeDrive(m_nSavedDrive);
  ChangeFolder(m_szSetupDir);
}

void CInstallDlg::CopyToWorkFolder(const char* name) {
  CopyBinaryFile(name, WorkFolderPath(name).c_str());
}

std::string CInstallDlg::WorkFolderPath(const char* name) const {
  return WorkFolder() + "\\" + name;
}
