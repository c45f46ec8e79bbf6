#pragma once

#include <windows.h>

#include "framework/core/CWnd.h"
#include "framework/core/NativeWindow.h"

// The sheet's window as the framework holds it.
class Win32Window : public NativeWindow {
public:
    explicit Win32Window(HWND handle) : hwnd(handle) {}
    HWND hwnd;
};

// The Windows handle behind a framework window; null when it has none.
HWND HandleOf(const NativeWindow* window);
HWND HandleOf(const CWnd* window);
