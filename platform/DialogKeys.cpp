#include "platform/DialogKeys.h"

namespace {
LRESULT CALLBACK FieldSubclass(HWND field, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
  // Without DLGC_HASSETSEL the dialog manager does not select the whole
  // text when Tab brings the focus, which would scroll the view to its end.
  if (msg == WM_GETDLGCODE)
    return DefSubclassProc(field, msg, wp, lp) &
           ~(DLGC_WANTALLKEYS | DLGC_WANTTAB | DLGC_HASSETSEL);
  if (msg == WM_NCDESTROY) RemoveWindowSubclass(field, &FieldSubclass, 0);
  return DefSubclassProc(field, msg, wp, lp);
}
}  // namespace

void LeaveDialogKeysToDialog(HWND field) { SetWindowSubclass(field, &FieldSubclass, 0, 0); }
