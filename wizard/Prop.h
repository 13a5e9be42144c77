// The wizard sheet: owns the six pages, in the order the installation reads
// them, and adds them in wizard order.
#pragma once

#include "platform/PropertySheet.h"
#include "wizard/Agreement.h"
#include "wizard/Bonus.h"
#include "wizard/CIntern.h"
#include "wizard/CPassword.h"
#include "wizard/Camera.h"
#include "wizard/WorkFolder.h"

class CProp : public CPropertySheet {
 public:
  CProp(const char* caption, CWnd* parent, UINT startPage);

  CAgreement m_pageAgreement;
  CCamera m_pageCamera;
  CCIntern m_pageIntern;
  CCPassword m_pagePassword;
  CWorkFolder m_pageWorkFolder;
  CBonus m_pageBonus;
  HICON m_hIcon;
};
