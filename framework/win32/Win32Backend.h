#pragma once

#include <windows.h>

#include "framework/core/Backend.h"

// The framework over the Win32 API: the system's property-sheet control,
// common dialogs, message boxes and the help engine.
class Win32Backend : public Backend {
public:
    explicit Win32Backend(HINSTANCE instance) : m_instance(instance) {}

    void Enable3dControls() override;
    int ShowMessageBox(const MessageBoxRequest& request) override;
    int RunPropertySheet(SheetCallbacks& sheet) override;
    FileDialogResult RunFileDialog(const FileDialogRequest& request) override;
    FolderPickerResult RunFolderPicker(const FolderPickerRequest& request) override;
    bool LaunchHelp(const std::string& helpFile, unsigned topic) override;

private:
    HINSTANCE m_instance;
};
