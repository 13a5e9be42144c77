#include "platform/DialogKeys.h"

namespace {
LRESULT CALLBACK FieldSubclass(HWND field, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
  if (msg == WM_GETDLGCODE)
    return DefSubclassProc(field, msg, wp, lp) & ~(DLGC_WANTALLKEYS | DLGC_WANTTAB);
  if (msg == WM_NCDESTROY) RemoveWindowSubclass(field, &FieldSubclass, 0);
  return DefSubclassProc(field, msg, wp, lp);
}
}  // namespace

void LeaveDialogKeysToDialog(HWND field) { SetWindowSubclass(field, &FieldSubclass, 0, 0); }
