// The connection optimisation page: tunes the Windows 9x TCP/IP registry
// values for a dial-up modem the moment "Optimize" is ticked, keeping the
// earlier values in the working folder's settings file, and puts them back
// when "No optimization" is ticked.
#pragma once

#include "platform/PropertySheet.h"

class CBonus : public CPropertyPage {
 public:
  CBonus();
  BOOL OnSetActive() override;
  BOOL OnQueryCancel() override;

  HBITMAP m_hPicture = nullptr;
  BOOL m_bOptimized = FALSE;
  CWnd m_btnOptimize;
  CWnd m_btnNoOptimize;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  bool OnCommand(WORD id, WORD code) override;

 private:
  void OnOptimize();
  void OnNoOptimize();
  // False (after telling the user) on the NT family.
  static bool MayChangeRegistry();
  void SetMarks();
};
