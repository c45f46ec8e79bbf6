#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/core/Backend.h"
#include "framework/core/ControlRules.h"
#include "framework/core/DialogTemplate.h"
#include "framework/core/NativeWindow.h"
#include "framework/core/SheetRules.h"

class HeadlessUser;

// One page window held in memory: the state of each control of its template.
class HeadlessPage : public PageHost {
public:
    explicit HeadlessPage(const DialogTemplate& dialog);

    const DialogTemplate& Template() const { return m_template; }
    EditState& Edit(int id);
    bool Checked(int id) const;

    std::string GetControlText(int id) override;
    void SetControlText(int id, const std::string& text) override;
    bool IsControlChecked(int id) override;
    void SetControlChecked(int id, bool checked) override;
    void SetTextLimit(int id, std::size_t limit) override;
    void FocusAndSelectAll(int id) override;

    // The next read of a control fails with this text, as a platform call can.
    void FailNextRead(std::string what) { m_failNextRead = std::move(what); }

    int focus = kSheetTabStrip;

private:
    struct Control {
        EditState edit;
        bool checked = false;
    };
    Control& At(int id);
    void ThrowIfScripted();

    const DialogTemplate& m_template;
    std::vector<Control> m_controls;
    std::optional<std::string> m_failNextRead;
};

// A backend that runs in process for tests: every window and dialog the
// framework asks for is recorded, and a script plays the user.
class HeadlessBackend : public Backend {
public:
    using Script = std::function<void(HeadlessUser&)>;

    struct MessageBoxRecord {
        std::string text;
        std::string caption;
        unsigned style;
        bool ownedBySheet;  // owned by the sheet that was running
        bool hadOwner;
    };
    struct FileDialogRecord {
        FileDialogRequest request;
        bool ownedBySheet;
    };
    struct FolderPickerRecord {
        FolderPickerRequest request;
        bool ownedBySheet;
    };
    struct HelpRecord {
        std::string helpFile;
        unsigned topic;
    };
    struct SheetRecord {
        std::string caption;
        bool hasParent;
        bool centredInWorkArea;
        bool contextHelpButton;
        bool helpButton;
        bool applyEnabled;
        std::vector<std::string> pageTitles;
        int width;
        int height;
    };
    struct FileDialogAnswer {
        FileDialogResult result;
        std::string changeDirectoryTo;  // the dialog moves the working directory here
    };

    // What the user does while the next sheet runs. A script that ends with
    // the sheet still open closes its window.
    void SetScript(Script script) { m_script = std::move(script); }
    void AnswerNextFileDialog(FileDialogAnswer answer) { m_fileAnswers.push_back(std::move(answer)); }
    void AnswerNextFolderPicker(FolderPickerResult answer) { m_folderAnswers.push_back(std::move(answer)); }
    void SetHelpEngineAvailable(bool available) { m_helpAvailable = available; }

    std::vector<MessageBoxRecord> messageBoxes;
    std::vector<FileDialogRecord> fileDialogs;
    std::vector<FolderPickerRecord> folderPickers;
    std::vector<HelpRecord> helpRequests;
    std::vector<SheetRecord> sheets;
    std::vector<int> pageWindowsCreated;  // template identifiers, in creation order
    int enable3dCalls = 0;

    void Enable3dControls() override { ++enable3dCalls; }
    int ShowMessageBox(const MessageBoxRequest& request) override;
    int RunPropertySheet(SheetCallbacks& sheet) override;
    FileDialogResult RunFileDialog(const FileDialogRequest& request) override;
    FolderPickerResult RunFolderPicker(const FolderPickerRequest& request) override;
    bool LaunchHelp(const std::string& helpFile, unsigned topic) override;

private:
    friend class HeadlessUser;
    bool OwnedByRunningSheet(const CWnd* owner) const;

    Script m_script;
    std::deque<FileDialogAnswer> m_fileAnswers;
    std::deque<FolderPickerResult> m_folderAnswers;
    bool m_helpAvailable = true;
    SheetCallbacks* m_running = nullptr;
};

// The scripted user of a running sheet. Every action is refused quietly
// once the sheet has closed, as nobody can click a closed window.
class HeadlessUser {
public:
    HeadlessUser(HeadlessBackend& backend, SheetCallbacks& sheet);

    // Tabs: a click, or Ctrl+Tab / Ctrl+Shift+Tab. Refused when the page
    // being left does not store.
    void SelectTab(int index);
    void NextTab();
    void PreviousTab();

    // A click on a control of the active page (or on a sheet button's id).
    void Click(int id);
    // Typing or pasting into the focused text field.
    void Type(std::string_view text);
    void Paste(std::string_view text);
    void Backspace(int count = 1);
    void SelectAllText();
    // Click into a field, select its text and type over it.
    void ReplaceText(int id, std::string_view text);

    void PressTab();
    void PressShiftTab();
    void PressEnter();
    void PressEscape();
    void PressOK();
    void PressCancel();
    void PressHelp();
    void CloseWindow();

    bool IsOpen() const { return m_open; }
    int Result() const { return m_result; }
    int ActiveTab() const;
    int FocusedId() const;
    std::string Text(int id);
    bool IsChecked(int id);
    EditState& Edit(int id);
    HeadlessPage& Page();
    HeadlessBackend& Backend() { return m_backend; }

    // Brings up a page, creating its window the first time.
    void ShowPage(int index);

private:
    void Close(int result);
    void MoveFocus(int step);

    HeadlessBackend& m_backend;
    SheetCallbacks& m_sheet;
    std::map<int, std::unique_ptr<HeadlessPage>> m_pages;
    bool m_open = true;
    int m_result = 2;  // IDCANCEL
};
