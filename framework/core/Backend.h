#pragma once

#include <string>
#include <utility>
#include <vector>

#include "framework/core/CWnd.h"
#include "framework/core/DialogTemplate.h"
#include "framework/core/NativeWindow.h"

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

// A running sheet as its backend sees it: what to draw, and where to report
// what the user does. The framework keeps the protocol: the backend creates
// the window and reports it, shows the start page, then reports each change
// of page (asking the page being left first), OK, Help and page buttons,
// and returns from RunPropertySheet once the window is gone. The framework
// drops the window and the pages' windows after that, once.
class SheetCallbacks {
public:
    virtual ~SheetCallbacks() = default;

    // ---- What the backend reads to build the window.
    virtual const std::string& GetCaption() const = 0;
    virtual const CWnd* GetParentWindow() const = 0;
    // The framework object that stands for the sheet: owner of its dialogs.
    virtual const CWnd& GetSheetWnd() const = 0;
    virtual int GetPageCount() const = 0;
    // Null outside 0 .. GetPageCount() - 1.
    virtual const DialogTemplate* GetPageTemplate(int index) const = 0;
    // The page to show first, always a page of the sheet when it has any.
    virtual int GetStartPage() const = 0;
    virtual int GetActiveIndex() const = 0;
    virtual bool HasHelpButton() const = 0;
    virtual bool IsApplyEnabled() const = 0;
    virtual bool HasContextHelpButton() const = 0;
    // The sheet fits its largest page (dialog units).
    virtual int PageWidth() const = 0;
    virtual int PageHeight() const = 0;

    // ---- What the backend reports.
    // The sheet's window exists; later calls are ignored.
    virtual void OnWindowCreated(NativeWindow* window) = 0;
    // The active page is being left (another tab asked for): store it.
    // False refuses the change; the page stays active.
    virtual bool OnPageKillActive() = 0;
    // Page `index` is now shown, in `host` (made by the backend the first
    // time the page is shown, and the same object every later time).
    virtual void OnPageSetActive(int index, PageHost& host) = 0;
    // OK: store the active page; true when the sheet may close with IDOK.
    virtual bool OnOK() = 0;
    virtual void OnHelp() = 0;
    // A push button of the active page was clicked.
    virtual void OnPageButtonClicked(int id) = 0;
};

// What a platform provides underneath the framework: windows, modal loops,
// common dialogs and the help engine. Each backend implements it once.
class Backend {
public:
    virtual ~Backend() = default;
    virtual void Enable3dControls() = 0;
    virtual int ShowMessageBox(const MessageBoxRequest& request) = 0;
    // Creates the sheet's window and runs its modal loop, reporting what the
    // user does through `sheet`. Returns IDOK or IDCANCEL.
    virtual int RunPropertySheet(SheetCallbacks& sheet) = 0;
    virtual FileDialogResult RunFileDialog(const FileDialogRequest& request) = 0;
    virtual FolderPickerResult RunFolderPicker(const FolderPickerRequest& request) = 0;
    // False when the help engine cannot be started.
    virtual bool LaunchHelp(const std::string& helpFile, unsigned topic) = 0;
};

void InstallBackend(Backend* backend);
Backend& ActiveBackend();
