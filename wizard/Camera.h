#pragma once

#include "platform/PropertySheet.h"

class CCamera : public CPropertyPage {
 public:
  CCamera();
  BOOL OnSetActive() override;
  BOOL OnQueryCancel() override;

  CString m_strCameraCount;
};
