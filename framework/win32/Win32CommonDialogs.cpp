#include <windows.h>
#include <commdlg.h>
#include <shlobj.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/win32/Win32CommonDialogs.h"
#include "framework/win32/Win32Handles.h"

namespace {

// Room for the longest names the file system allows, not the classic 260.
constexpr std::size_t kNameBuffer = 32 * 1024;

const char* OrNull(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }

// "description\0pattern\0...\0\0", as the dialog reads its file types.
std::string FilterText(const std::vector<FileTypeFilter>& filters) {
    std::string text;
    for (const FileTypeFilter& filter : filters) {
        text += filter.description;
        text += '\0';
        text += filter.pattern;
        text += '\0';
    }
    text += '\0';
    return text;
}

}  // namespace

FileDialogResult RunWin32FileDialog(const FileDialogRequest& request) {
    std::vector<char> file(kNameBuffer, '\0');
    std::vector<char> title(kNameBuffer, '\0');
    std::copy_n(request.initialFileName.begin(), std::min(request.initialFileName.size(), file.size() - 1),
                file.begin());
    const std::string filter = FilterText(request.filters);

    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = HandleOf(request.owner);
    dialog.lpstrFilter = request.filters.empty() ? nullptr : filter.c_str();
    dialog.nFilterIndex = request.filters.empty() ? 0 : static_cast<DWORD>(request.selectedFilter + 1);
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrFileTitle = title.data();
    dialog.nMaxFileTitle = static_cast<DWORD>(title.size());
    dialog.lpstrInitialDir = OrNull(request.initialFolder);
    dialog.lpstrTitle = OrNull(request.title);
    dialog.lpstrDefExt = OrNull(request.defaultExtension);
    dialog.Flags = request.flags | OFN_EXPLORER;

    const BOOL chosen = request.openMode ? GetOpenFileNameA(&dialog) : GetSaveFileNameA(&dialog);
    FileDialogResult result;
    if (!chosen) {
        // An error (a rejected initial name, no memory) is told apart from a cancel.
        result.outcome = CommDlgExtendedError() != 0 ? DialogOutcome::Failed : DialogOutcome::Cancelled;
        return result;
    }
    result.outcome = DialogOutcome::Confirmed;
    result.pathName = file.data();
    result.fileName = title.data();
    return result;
}

FolderPickerResult RunWin32FolderPicker(const FolderPickerRequest& request) {
    char displayName[MAX_PATH] = {};
    BROWSEINFOA browse{};
    browse.hwndOwner = HandleOf(request.owner);
    browse.pidlRoot = nullptr;
    browse.pszDisplayName = displayName;
    browse.lpszTitle = request.title.c_str();
    browse.ulFlags = request.flags;

    FolderPickerResult result;
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderA(&browse);
    if (chosen == nullptr) return result;
    result.confirmed = true;
    char path[MAX_PATH] = {};
    result.pathObtained = SHGetPathFromIDListA(chosen, path) != FALSE;
    if (result.pathObtained) result.path = path;
    CoTaskMemFree(chosen);
    return result;
}
