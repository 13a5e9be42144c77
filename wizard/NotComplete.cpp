#include "wizard/NotComplete.h"

#include "resources/resource.h"

CNotComplete::CNotComplete(CWnd* parent) : CDialog(IDD_NOT_COMPLETE, parent) {}
