#include "framework/win32/Win32PageHost.h"

#include <string>
#include <vector>

#include "framework/win32/Win32Handles.h"

HWND HandleOf(const NativeWindow* window) {
    if (const auto* sheet = dynamic_cast<const Win32Window*>(window)) return sheet->hwnd;
    if (const auto* page = dynamic_cast<const Win32PageHost*>(window)) return page->hwnd;
    return nullptr;
}

HWND HandleOf(const CWnd* window) { return window == nullptr ? nullptr : HandleOf(window->m_hWnd); }

std::string Win32PageHost::GetControlText(int id) {
    HWND control = GetDlgItem(hwnd, id);
    if (control == nullptr) return {};
    const int length = GetWindowTextLengthA(control);
    if (length <= 0) return {};
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    const int got = GetWindowTextA(control, buffer.data(), length + 1);
    return std::string(buffer.data(), static_cast<std::size_t>(got > 0 ? got : 0));
}

void Win32PageHost::SetControlText(int id, const std::string& text) { SetDlgItemTextA(hwnd, id, text.c_str()); }

bool Win32PageHost::IsControlChecked(int id) { return IsDlgButtonChecked(hwnd, id) == BST_CHECKED; }

void Win32PageHost::SetControlChecked(int id, bool checked) {
    CheckDlgButton(hwnd, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

void Win32PageHost::SetTextLimit(int id, std::size_t limit) {
    SendDlgItemMessageA(hwnd, id, EM_LIMITTEXT, static_cast<WPARAM>(limit), 0);
}

void Win32PageHost::FocusAndSelectAll(int id) {
    HWND control = GetDlgItem(hwnd, id);
    if (control == nullptr) return;
    SetFocus(control);
    SendMessageA(control, EM_SETSEL, 0, -1);
}
