#include "framework/core/CWinApp.h"
#include "framework/core/Runtime.h"

#include <windows.h>
#include <objbase.h>

#include "framework/win32/Win32Backend.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // The shell's folder picker runs on COM.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    Win32Backend backend(instance);
    const int status = AfxWinMain(backend, CurrentExecutablePath("brindlewick.exe"));
    if (SUCCEEDED(com)) CoUninitialize();
    return status;
}
