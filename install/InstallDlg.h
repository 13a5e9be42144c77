// The installation progress dialog: performs the installation one step per
// timer tick and shows how far it got.
#pragma once

#include <string>

#include "install/InstallSteps.h"
#include "platform/Dialog.h"

class CInstallDlg : public CDialog, public InstallSteps {
 public:
  explicit CInstallDlg(CWnd* parent = nullptr);

  CWnd m_progress;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  void OnTimer(UINT_PTR id) override;
  void OnDestroy() override;
  // Enter, Escape and Alt+F4 must not end a run half done: only its last
  // step or Cancel at a copy error ends it.
  void OnOK() override {}
  void OnCancel() override {}

  bool RetryPieceCopy(const std::string& message) override;
  void CancelRun() override;
  void StopRun(const std::string& message) override;
  void ReportIncomplete(const std::string& message) override;
  void FinishRun() override;
};
