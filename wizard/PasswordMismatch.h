// Tells the user that the two password entries differ; OK, Escape or the
// close box end it.
#pragma once

#include "platform/Dialog.h"

class CPasswordMismatch : public CDialog {
 public:
  explicit CPasswordMismatch(CWnd* parent);
};
