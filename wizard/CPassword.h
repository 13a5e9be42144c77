// The user password page: an optional password typed twice; the page is
// left forward only when both entries are equal.
#pragma once

#include "platform/PropertySheet.h"

class CCPassword : public CPropertyPage {
 public:
  CCPassword();
  BOOL OnSetActive() override;
  BOOL OnKillActive() override;
  LRESULT OnWizardBack() override;
  LRESULT OnWizardNext() override;
  BOOL OnQueryCancel() override;

  BOOL m_bMatched = FALSE;
  HBITMAP m_hPicture = nullptr;
  CString m_strConfirm;
  CString m_strPassword;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
};
