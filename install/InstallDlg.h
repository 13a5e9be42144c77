// The installation progress dialog: performs the installation one step per
// timer tick and shows how far it got.
#pragma once

#include <string>
#include <vector>

#include "app/SetupState.h"
#include "platform/Dialog.h"

class CInstallDlg : public CDialog {
 public:
  explicit CInstallDlg(CWnd* parent = nullptr);
  ~CInstallDlg() override;

  // Performs the step that m_nStep names, having first moved m_nStep on.
  void RunInstallStep();

  int m_nStep = 0;
  WIN32_FIND_DATAA m_findData = {};
  HANDLE m_hFind = INVALID_HANDLE_VALUE;
  int m_nPieceCount = 0;
  int m_nFindResult = -1;
  int m_nInstallDrive = 0;
  int m_nSavedDrive = 0;
  char m_szSetupDir[kTextSize] = {};
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

 private:
  // False (after telling the user) when the run must not go on.
  bool PrepareWorkFolder();
  void WriteSettings(int step);
  void StartPieceSearch();
  void FindNextPiece();
  void SkipFolders();
  void CopyNextPiece();
  void EndPieceSearch();
  void JoinPackages();
  void ReportFailedJoins();
  void ReturnToSetupFolder();
  void CopyToWorkFolder(const char* name);
  std::string WorkFolderPath(const char* name) const;

  // False when the settings file path did not fit its buffer: nothing is
  // then written rather than writing to a cut path.
  bool m_bSettingsPathOk = false;
  // Packages whose join failed in step 14, reported after the last step.
  std::vector<std::string> m_failedJoins;
};
