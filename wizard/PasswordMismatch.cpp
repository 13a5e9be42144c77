#include "wizard/PasswordMismatch.h"

#include "resources/resource.h"

CPasswordMismatch::CPasswordMismatch(CWnd* parent) : CDialog(IDD_PASSWORD_MISMATCH, parent) {}
