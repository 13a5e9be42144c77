#pragma once

#include "platform/PropertySheet.h"

class CBonus : public CPropertyPage {
 public:
  CBonus();
  BOOL OnSetActive() override;
  BOOL OnQueryCancel() override;

  HBITMAP m_hPicture = nullptr;
  BOOL m_bOptimized = FALSE;
};
