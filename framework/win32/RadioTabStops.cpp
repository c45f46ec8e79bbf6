#include "framework/win32/RadioTabStops.h"

#include <commctrl.h>

namespace {

constexpr UINT_PTR kSubclassId = 2;

LRESULT CALLBACK DropTabStop(HWND button, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    const LRESULT result = DefSubclassProc(button, message, wParam, lParam);
    if (message == BM_SETCHECK) {
        const LONG_PTR style = GetWindowLongPtrA(button, GWL_STYLE);
        if ((style & WS_TABSTOP) != 0) SetWindowLongPtrA(button, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_TABSTOP));
    }
    if (message == WM_NCDESTROY) RemoveWindowSubclass(button, DropTabStop, kSubclassId);
    return result;
}

}  // namespace

void KeepRadiosOffTabOrder(HWND page, const DialogTemplate& dialog) {
    for (const ControlTemplate& control : dialog.controls) {
        if (control.kind != ControlKind::RadioButton || control.tabStop) continue;
        if (HWND button = GetDlgItem(page, control.id)) SetWindowSubclass(button, DropTabStop, kSubclassId, 0);
    }
}
