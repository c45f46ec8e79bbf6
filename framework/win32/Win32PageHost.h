#pragma once

#include <windows.h>

#include "framework/core/NativeWindow.h"

// One page dialog of the sheet; data exchange reaches its controls through
// the ANSI calls, so texts stay the file's bytes in the ANSI code page.
class Win32PageHost : public PageHost {
public:
    explicit Win32PageHost(HWND page) : hwnd(page) {}

    std::string GetControlText(int id) override;
    void SetControlText(int id, const std::string& text) override;
    bool IsControlChecked(int id) override;
    void SetControlChecked(int id, bool checked) override;
    void SetTextLimit(int id, std::size_t limit) override;
    void FocusAndSelectAll(int id) override;

    HWND hwnd;
};
