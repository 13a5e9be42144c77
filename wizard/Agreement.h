// The licence agreement page: the agreement in a read-only field, and the
// wizard's Next and Cancel buttons read "I &Accept >" and "I &Decline" while
// it is shown.
#pragma once

#include "platform/PropertySheet.h"

// Fires once, a moment after the page became active, to relabel the buttons
// once the sheet has finished its own labelling.
constexpr UINT_PTR ID_TIMER_CAPTIONS = 900;

class CAgreement : public CPropertyPage {
 public:
  CAgreement();
  BOOL OnSetActive() override;
  BOOL OnKillActive() override;

  CString m_strText;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* dx) override;
  void OnTimer(UINT_PTR id) override;
};
