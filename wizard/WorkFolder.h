#pragma once

#include "platform/PropertySheet.h"

class CWorkFolder : public CPropertyPage {
 public:
  CWorkFolder();
  BOOL OnSetActive() override;
  BOOL OnQueryCancel() override;
};
