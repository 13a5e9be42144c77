#pragma once

#include "platform/PropertySheet.h"

class CAgreement : public CPropertyPage {
 public:
  CAgreement();
  BOOL OnSetActive() override;
};
