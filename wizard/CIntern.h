// The Internet connection page: how the computer reaches the Internet, with
// the dial-up texts filled from the phonebook entry the user picks.
#pragma once

#include "platform/PropertySheet.h"
#include "wizard/ConnectionModes.h"
#include "wizard/RasRecords.h"

class CCIntern : public CPropertyPage {
 public:
  static constexpr int kMaxEntries = 100;

  CCIntern();
  BOOL OnSetActive() override;
  BOOL OnKillActive() override;
  LRESULT OnWizardBack() override;
  LRESULT OnWizardNext() override;
  BOOL OnQueryCancel() override;

  int m_bAllowLeave = 0;
  int m_nEntries = -1;
  RasEntryName95 m_entries[kMaxEntries];
  RasDialParams95 m_dialParams;
  BOOL m_bPasswordReturned = 0;
  int m_bUseDialUp = 0;
  int m_bUseAol = 0;
  int m_bUseLan = 0;
  HBITMAP m_hPicture = nullptr;
  CWnd m_chkLan;
  CWnd m_cbEntries;
  CWnd m_chkProxy;
  CWnd m_chkDialUp;
  CWnd m_chkAol;
  CString m_strRasPhone;
  CString m_strRasPassword;
  CString m_strRasUser;
  CString m_strProxy;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  bool OnCommand(WORD id, WORD code) override;

 private:
  // The typing limit on loading; on leaving, the check of a field in use.
  void LimitDialUpText(CDataExchange* dx, const CString& value);
  // 1 when entry `position` was loaded, 0 when the page fell back to LAN.
  int LoadEntry(int position);
  void SetLanMode() { SetMode(ConnectionMode::Lan); }
  void SetMode(ConnectionMode mode);

  // Whether the exchange on leaving follows Next rather than Back.
  bool m_bLeavingForward = false;
};
