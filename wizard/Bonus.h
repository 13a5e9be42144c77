#pragma once

#include "platform/PropertySheet.h"

class CBonus : public CPropertyPage {
 public:
  CBonus();
  BOOL OnSetActive() override;
  BOOL OnQueryCancel() override;
};
