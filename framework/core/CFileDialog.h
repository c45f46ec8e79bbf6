#pragma once

#include <string>
#include <vector>

#include "framework/core/Backend.h"
#include "framework/core/CWnd.h"
#include "framework/core/Constants.h"

// The common file dialog. The filter is "description|pattern|...||".
class CFileDialog {
public:
    struct Options {
        std::string lpstrTitle;
        std::string lpstrInitialDir;
        unsigned Flags;
        int nFilterIndex;  // 1-based, as the platform counts
    };

    CFileDialog(bool openFileDialog, const char* defaultExtension = nullptr, const char* fileName = nullptr,
                unsigned flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, const char* filter = nullptr,
                CWnd* parent = nullptr);

    // IDOK when a file was chosen; IDCANCEL when cancelled or when the
    // dialog could not run.
    int DoModal();
    std::string GetPathName() const { return m_result.pathName; }
    std::string GetFileName() const { return m_result.fileName; }

    Options m_ofn;

private:
    bool m_openMode;
    std::string m_defaultExtension;
    std::string m_fileName;
    std::vector<FileTypeFilter> m_filters;
    CWnd* m_parent;
    FileDialogResult m_result;
};

std::vector<FileTypeFilter> ParseFileFilter(const char* filter);

// The shell's folder picker; the sheet (the main window) owns it.
FolderPickerResult AfxBrowseForFolder(const std::string& title, unsigned flags = BIF_RETURNONLYFSDIRS);
