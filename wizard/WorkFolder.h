#pragma once

#include "platform/PropertySheet.h"

class CWorkFolder : public CPropertyPage {
 public:
  CWorkFolder();
  BOOL OnSetActive() override;
  BOOL OnQueryCancel() override;

  HBITMAP m_hPicture = nullptr;
  CString m_strFolder;
};
