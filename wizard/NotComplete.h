// The exit question: "&Continue" (IDOK) keeps the wizard, "&Exit" (IDCANCEL)
// ends it.
#pragma once

#include "platform/Dialog.h"

class CNotComplete : public CDialog {
 public:
  explicit CNotComplete(CWnd* parent);
};
