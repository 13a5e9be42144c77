#pragma once

#include "platform/PropertySheet.h"

class CCPassword : public CPropertyPage {
 public:
  CCPassword();
  BOOL OnSetActive() override;
  BOOL OnQueryCancel() override;

  BOOL m_bMatched = FALSE;
  HBITMAP m_hPicture = nullptr;
  CString m_strConfirm;
  CString m_strPassword;
};
