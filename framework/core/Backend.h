#pragma once

#include <string>
#include <utility>
#include <vector>

#include "framework/core/CWnd.h"

class CPropertySheet;

struct MessageBoxRequest {
    const CWnd* owner;  // nullptr: no owner window
    std::string text;
    std::string caption;
    unsigned style;  // MB_ flags
};

struct FileTypeFilter {
    std::string description;
    std::string pattern;
};

struct FileDialogRequest {
    const CWnd* owner;
    bool openMode;
    std::string title;  // empty: the platform's own
    std::string initialFileName;
    std::string initialFolder;  // empty: the platform's choice
    std::string defaultExtension;
    std::vector<FileTypeFilter> filters;
    int selectedFilter;  // index into filters
    unsigned flags;      // OFN_ flags
};

enum class DialogOutcome { Confirmed, Cancelled, Failed };

struct FileDialogResult {
    DialogOutcome outcome = DialogOutcome::Cancelled;
    std::string pathName;  // full path
    std::string fileName;  // name and extension, no folder
};

struct FolderPickerRequest {
    const CWnd* owner;
    std::string title;
    unsigned flags;  // BIF_ flags
};

struct FolderPickerResult {
    bool confirmed = false;
    bool pathObtained = false;  // the choice has a file-system path
    std::string path;
};

// What a platform provides underneath the framework: windows, modal loops,
// common dialogs and the help engine. Each backend implements it once.
class Backend {
public:
    virtual ~Backend() = default;
    virtual void Enable3dControls() = 0;
    virtual int ShowMessageBox(const MessageBoxRequest& request) = 0;
    // Creates the sheet's window and runs its modal loop, reporting what the
    // user does to the sheet (see CPropertySheet's backend section). Returns
    // IDOK or IDCANCEL.
    virtual int RunPropertySheet(CPropertySheet& sheet) = 0;
    virtual FileDialogResult RunFileDialog(const FileDialogRequest& request) = 0;
    virtual FolderPickerResult RunFolderPicker(const FolderPickerRequest& request) = 0;
    // False when the help engine cannot be started.
    virtual bool LaunchHelp(const std::string& helpFile, unsigned topic) = 0;
};

void InstallBackend(Backend* backend);
Backend& ActiveBackend();
