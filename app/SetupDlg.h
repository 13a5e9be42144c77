// The full-screen main window of the installation: a blue background with
// the setup title that runs the wizard and then the installation.
#pragma once

#include "platform/Dialog.h"

// Window-local numbers.
constexpr UINT_PTR ID_TIMER_START = 909;
constexpr UINT WM_SETUP_RUN = 910;
constexpr UINT WM_SETUP_DONE = 911;

class CSetupDlg : public CDialog {
 public:
  explicit CSetupDlg(CWnd* parent);

  HICON m_hIcon;

 protected:
  BOOL OnInitDialog() override;
  bool OnPaint() override;
  HICON OnQueryDragIcon() override { return m_hIcon; }
  void OnTimer(UINT_PTR id) override;
  bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) override;

 private:
  void OnSetupRun();
  void PaintBackground(HDC dc);
};
