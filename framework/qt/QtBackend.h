#pragma once

#include "framework/core/Backend.h"

class SheetWindow;

// The framework over Qt 6 Widgets, for the Linux desktop. Needs a
// QApplication for as long as it runs windows.
class QtBackend : public Backend {
public:
    void Enable3dControls() override {}
    int ShowMessageBox(const MessageBoxRequest& request) override;
    int RunPropertySheet(SheetCallbacks& sheet) override;
    FileDialogResult RunFileDialog(const FileDialogRequest& request) override;
    FolderPickerResult RunFolderPicker(const FolderPickerRequest& request) override;
    // There is no engine for ".HLP" files on Linux.
    bool LaunchHelp(const std::string&, unsigned) override { return false; }

    // The sheet window while one runs.
    SheetWindow* RunningSheet() const { return m_running; }

private:
    SheetWindow* m_running = nullptr;
};
