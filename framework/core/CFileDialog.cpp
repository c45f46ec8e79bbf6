#include "framework/core/CFileDialog.h"

#include <string_view>

#include "framework/core/CWinApp.h"

namespace {
// With no parent given, dialogs belong to the main window while it has one.
const CWnd* SafeOwner(const CWnd* parent) {
    if (parent != nullptr) return parent;
    CWinApp* app = AfxGetApp();
    if (app != nullptr && app->m_pMainWnd != nullptr && app->m_pMainWnd->m_hWnd != nullptr) return app->m_pMainWnd;
    return nullptr;
}
}  // namespace

std::vector<FileTypeFilter> ParseFileFilter(const char* filter) {
    std::vector<FileTypeFilter> filters;
    if (filter == nullptr) return filters;
    std::string_view rest(filter);
    while (!rest.empty()) {
        const std::size_t bar = rest.find('|');
        const std::string_view description = rest.substr(0, bar);
        if (description.empty() || bar == std::string_view::npos) break;  // "||" ends the list
        rest.remove_prefix(bar + 1);
        const std::size_t next = rest.find('|');
        filters.push_back({std::string(description), std::string(rest.substr(0, next))});
        if (next == std::string_view::npos) break;
        rest.remove_prefix(next + 1);
    }
    return filters;
}

CFileDialog::CFileDialog(bool openFileDialog, const char* defaultExtension, const char* fileName, unsigned flags,
                         const char* filter, CWnd* parent)
    : m_ofn{{}, {}, flags, 1},
      m_openMode(openFileDialog),
      m_defaultExtension(defaultExtension != nullptr ? defaultExtension : ""),
      m_fileName(fileName != nullptr ? fileName : ""),
      m_filters(ParseFileFilter(filter)),
      m_parent(parent) {}

int CFileDialog::DoModal() {
    const FileDialogRequest request{SafeOwner(m_parent), m_openMode, m_ofn.lpstrTitle, m_fileName,
                                    m_ofn.lpstrInitialDir, m_defaultExtension, m_filters,
                                    m_ofn.nFilterIndex - 1, m_ofn.Flags};
    m_result = ActiveBackend().RunFileDialog(request);
    return m_result.outcome == DialogOutcome::Confirmed ? IDOK : IDCANCEL;
}

FolderPickerResult AfxBrowseForFolder(const std::string& title, unsigned flags) {
    return ActiveBackend().RunFolderPicker({SafeOwner(nullptr), title, flags});
}
