#include "framework/win32/SingleLinePaste.h"

#include <commctrl.h>

#include <string>

namespace {

constexpr UINT_PTR kSubclassId = 1;

bool ClipboardLine(HWND owner, std::string& line) {
    if (!IsClipboardFormatAvailable(CF_TEXT) || !OpenClipboard(owner)) return false;
    bool got = false;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* text = static_cast<const char*>(GlobalLock(data))) {
            line = text;
            line.resize(line.find_first_of("\r\n") == std::string::npos ? line.size() : line.find_first_of("\r\n"));
            GlobalUnlock(data);
            got = true;
        }
    }
    CloseClipboard();
    return got;
}

LRESULT CALLBACK PasteOneLine(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message == WM_PASTE && (GetWindowLongPtrA(edit, GWL_STYLE) & ES_READONLY) == 0) {
        std::string line;
        if (ClipboardLine(edit, line)) {
            // The control's own replacement keeps the text limit and undo.
            SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(line.c_str()));
            return 0;
        }
    }
    if (message == WM_NCDESTROY) RemoveWindowSubclass(edit, PasteOneLine, kSubclassId);
    return DefSubclassProc(edit, message, wParam, lParam);
}

}  // namespace

void KeepPastesOnOneLine(HWND page, const DialogTemplate& dialog) {
    for (const ControlTemplate& control : dialog.controls) {
        if (control.kind != ControlKind::TextField) continue;
        if (HWND edit = GetDlgItem(page, control.id)) SetWindowSubclass(edit, PasteOneLine, kSubclassId, 0);
    }
}
