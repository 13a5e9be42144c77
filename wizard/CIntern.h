#pragma once

#include "platform/PropertySheet.h"

class CCIntern : public CPropertyPage {
 public:
  CCIntern();
  BOOL OnSetActive() override;
  BOOL OnQueryCancel() override;

  int m_bUseDialUp = 0;
  int m_bUseAol = 0;
  int m_bUseLan = 0;
  HBITMAP m_hPicture = nullptr;
  CString m_strRasPhone;
  CString m_strRasPassword;
  CString m_strRasUser;
  CString m_strProxy;
};
