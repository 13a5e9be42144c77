#pragma once

#include "platform/PropertySheet.h"

class CCIntern : public CPropertyPage {
 public:
  CCIntern();
  BOOL OnSetActive() override;
  BOOL OnQueryCancel() override;
};
