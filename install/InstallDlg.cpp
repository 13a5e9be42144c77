#include "install/InstallDlg.h"

#include "core/RunningSetup.h"
#include "platform/DataExchange.h"
#include "platform/MessageBox.h"
#include "resources/dlg149-install.h"
#include "resources/resource.h"
#include "wizard/Prop.h"

namespace {

constexpr UINT_PTR kStepTimer = 900;
constexpr UINT kStepMs = 200;
constexpr int kProgressMax = 520;
constexpr int kEdgeGap = 40;

InstallAnswers WizardAnswers(const CProp& wizard) {
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

}  // namespace

CInstallDlg::CInstallDlg(CWnd* parent) : CDialog(IDD_INSTALL, parent) {}

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
  // The wizard has finished: its pages hold the answers for the whole run.
  const CProp& wizard = *RunningSetup().m_pWizard;
  SetAnswers(WizardAnswers(wizard), wizard.m_pageWorkFolder.m_strFolder);
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

void CInstallDlg::OnDestroy() { KillTimer(kStepTimer); }

bool CInstallDlg::RetryPieceCopy(const std::string& message) {
  // No tick may copy again behind the open question; the copy that follows
  // a Retry runs before any tick can come.
  KillTimer(kStepTimer);
  if (AfxMessageBox(message.c_str(), MB_RETRYCANCEL) != IDRETRY) return false;
  SetTimer(kStepTimer, kStepMs);
  return true;
}

void CInstallDlg::CancelRun() { EndDialog(IDCANCEL); }

void CInstallDlg::StopRun(const std::string& message) {
  KillTimer(kStepTimer);
  AfxMessageBox(message.c_str());
  EndDialog(IDCANCEL);
}

void CInstallDlg::ReportIncomplete(const std::string& message) {
  KillTimer(kStepTimer);
  AfxMessageBox(message.c_str(), MB_OK | MB_ICONSTOP);
}

void CInstallDlg::FinishRun() { CDialog::OnOK(); }
