#pragma once

#include "platform/PropertySheet.h"

class CCPassword : public CPropertyPage {
 public:
  CCPassword();
  BOOL OnSetActive() override;
  BOOL OnQueryCancel() override;
};
