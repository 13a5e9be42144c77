#include "app/SetupDlg.h"

#include "app/Background.h"
#include "app/SetupApp.h"
#include "core/SetupConfig.h"
#include "install/InstallDlg.h"
#include "resources/resource.h"
#include "wizard/Prop.h"

CSetupDlg::CSetupDlg(CWnd* parent)
    : CDialog(IDD_SETUP, parent),
      m_hIcon(LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDI_SETUP))) {}

BOOL CSetupDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
  SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
  MoveWindow(m_hWnd, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), TRUE);
  SetTimer(ID_TIMER_START, 500);
  return TRUE;
}

void CSetupDlg::OnTimer(UINT_PTR) {
  // The wizard starts from a posted message, once the window is painted.
  PostMessage(WM_SETUP_RUN);
  KillTimer(ID_TIMER_START);
}

bool CSetupDlg::OnMessage(UINT msg, WPARAM, LPARAM, LRESULT* result) {
  if (msg == WM_SETUP_RUN) {
    OnSetupRun();
  } else if (msg == WM_SETUP_DONE) {
    OnOK();
  } else {
    return false;
  }
  *result = 1;
  return true;
}

void CSetupDlg::OnSetupRun() {
  const std::string title = FormatTitle(theApp);
  {
    CProp wizard(title.c_str(), nullptr, 0);
    theApp.m_pWizard = &wizard;
    wizard.SetWizardMode();
    if (wizard.DoModal() == ID_WIZFINISH) {
      // Repaint where the sheet was before the installation starts.
      RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
      // The pages' answers stay readable while the installation runs.
      CInstallDlg install;
      install.DoModal();
    }
    PostMessage(WM_SETUP_DONE);
  }
  theApp.m_pWizard = nullptr;
}

bool CSetupDlg::OnPaint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(m_hWnd, &paint);
  if (IsIconic(m_hWnd)) {
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc));
    RECT client;
    GetClientRect(m_hWnd, &client);
    const int x = (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, m_hIcon);
  } else {
    PaintBackground(dc);
  }
  EndPaint(m_hWnd, &paint);
  return true;
}

void CSetupDlg::PaintBackground(HDC dc) {
  // The screen's size, not the client rectangle: the window covers it.
  const int height = GetSystemMetrics(SM_CYSCREEN);
  const int width = GetSystemMetrics(SM_CXSCREEN);
  for (int y = 0; y < height; y += kBandHeight) {
    const RECT band = {0, y, width, y + kBandHeight};
    HBRUSH brush = CreateSolidBrush(RGB(0, 0, BandBlue(y, height)));
    HGDIOBJ old = SelectObject(dc, brush);
    FillRect(dc, &band, brush);
    SelectObject(dc, old);
    DeleteObject(brush);
  }
  SetBkColor(dc, RGB(0, 0, 255));
  SetTextColor(dc, RGB(255, 255, 255));
  HFONT font = CreateFontA(-23, 0, 0, 0, 400, TRUE, FALSE, FALSE, 0, 0, 0, 0, 1, "Arial");
  HGDIOBJ old = SelectObject(dc, font);
  const std::string title = FormatTitle(theApp);
  TextOutA(dc, 20, 15, title.c_str(), static_cast<int>(title.size()));
  SelectObject(dc, old);
  DeleteObject(font);
}
