#include "framework/win32/Win32Backend.h"

#include <commctrl.h>

#include "framework/win32/Win32CommonDialogs.h"
#include "framework/win32/Win32Handles.h"
#include "framework/win32/Win32PropertySheet.h"

void Win32Backend::Enable3dControls() {
    // Three-dimensional controls are the common controls' own look now;
    // what is left to do is to register their classes.
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&controls);
}

int Win32Backend::ShowMessageBox(const MessageBoxRequest& request) {
    return MessageBoxA(HandleOf(request.owner), request.text.c_str(), request.caption.c_str(), request.style);
}

int Win32Backend::RunPropertySheet(SheetCallbacks& sheet) { return RunWin32PropertySheet(sheet, m_instance); }

FileDialogResult Win32Backend::RunFileDialog(const FileDialogRequest& request) { return RunWin32FileDialog(request); }

FolderPickerResult Win32Backend::RunFolderPicker(const FolderPickerRequest& request) {
    return RunWin32FolderPicker(request);
}

bool Win32Backend::LaunchHelp(const std::string& helpFile, unsigned topic) {
    return WinHelpA(RunningSheetWindow(), helpFile.c_str(), HELP_CONTEXT, topic) != FALSE;
}
