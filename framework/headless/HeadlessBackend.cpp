#include "framework/headless/HeadlessBackend.h"

#include <algorithm>
#include <stdexcept>

#include "framework/core/Constants.h"
#include "framework/core/Runtime.h"

// ---- HeadlessPage

HeadlessPage::HeadlessPage(const DialogTemplate& dialog) : m_template(dialog), m_controls(dialog.controls.size()) {}

HeadlessPage::Control& HeadlessPage::At(int id) {
    const auto index = FindControl(m_template, id);
    if (!index) throw std::logic_error("no control " + std::to_string(id) + " on this page");
    return m_controls[*index];
}

void HeadlessPage::ThrowIfScripted() {
    if (!m_failNextRead) return;
    std::string what = std::move(*m_failNextRead);
    m_failNextRead.reset();
    throw std::runtime_error(what);
}

EditState& HeadlessPage::Edit(int id) { return At(id).edit; }

bool HeadlessPage::Checked(int id) const { return const_cast<HeadlessPage*>(this)->At(id).checked; }

std::string HeadlessPage::GetControlText(int id) {
    ThrowIfScripted();
    return At(id).edit.text;
}

void HeadlessPage::SetControlText(int id, const std::string& text) {
    EditState& edit = At(id).edit;
    edit.text = text;
    edit.selectionStart = edit.selectionEnd = 0;
}

bool HeadlessPage::IsControlChecked(int id) {
    ThrowIfScripted();
    return At(id).checked;
}

void HeadlessPage::SetControlChecked(int id, bool checked) { At(id).checked = checked; }

void HeadlessPage::SetTextLimit(int id, std::size_t limit) { At(id).edit.limit = limit; }

void HeadlessPage::FocusAndSelectAll(int id) {
    focus = id;
    SelectAll(At(id).edit);
}

// ---- HeadlessBackend

bool HeadlessBackend::OwnedByRunningSheet(const CWnd* owner) const {
    return owner != nullptr && m_running != nullptr && owner == &m_running->GetSheetWnd() && owner->m_hWnd != nullptr;
}

int HeadlessBackend::ShowMessageBox(const MessageBoxRequest& request) {
    messageBoxes.push_back(
        {request.text, request.caption, request.style, OwnedByRunningSheet(request.owner), request.owner != nullptr});
    return IDOK;
}

int HeadlessBackend::RunPropertySheet(SheetCallbacks& sheet) {
    SheetRecord record{sheet.GetCaption(),       sheet.GetParentWindow() != nullptr,
                       true,                     sheet.HasContextHelpButton(),
                       sheet.HasHelpButton(),    sheet.IsApplyEnabled(),
                       {},                       sheet.PageWidth(),
                       sheet.PageHeight()};
    for (int i = 0; i < sheet.GetPageCount(); ++i) record.pageTitles.emplace_back(sheet.GetPageTemplate(i)->title);
    sheets.push_back(record);

    NativeWindow window;
    SheetCallbacks* outer = m_running;
    m_running = &sheet;
    sheet.OnWindowCreated(&window);
    int result = IDCANCEL;
    {
        HeadlessUser user(*this, sheet);
        user.ShowPage(sheet.GetStartPage());
        Script script = std::move(m_script);
        m_script = nullptr;
        if (script) script(user);
        if (user.IsOpen()) user.CloseWindow();
        result = user.Result();
    }
    m_running = outer;
    return result;
}

FileDialogResult HeadlessBackend::RunFileDialog(const FileDialogRequest& request) {
    fileDialogs.push_back({request, OwnedByRunningSheet(request.owner)});
    if (m_fileAnswers.empty()) return {};
    FileDialogAnswer answer = std::move(m_fileAnswers.front());
    m_fileAnswers.pop_front();
    if (!answer.changeDirectoryTo.empty()) ChangeWorkingDirectory(answer.changeDirectoryTo);
    if (answer.result.outcome == DialogOutcome::Confirmed && answer.result.fileName.empty()) {
        // Paths in scripts are written the Windows way or the POSIX way.
        const std::size_t slash = answer.result.pathName.find_last_of("\\/");
        answer.result.fileName =
            slash == std::string::npos ? answer.result.pathName : answer.result.pathName.substr(slash + 1);
    }
    return answer.result;
}

FolderPickerResult HeadlessBackend::RunFolderPicker(const FolderPickerRequest& request) {
    folderPickers.push_back({request, OwnedByRunningSheet(request.owner)});
    if (m_folderAnswers.empty()) return {};
    FolderPickerResult answer = std::move(m_folderAnswers.front());
    m_folderAnswers.pop_front();
    return answer;
}

bool HeadlessBackend::LaunchHelp(const std::string& helpFile, unsigned topic) {
    helpRequests.push_back({helpFile, topic});
    return m_helpAvailable;
}

// ---- HeadlessUser

HeadlessUser::HeadlessUser(HeadlessBackend& backend, SheetCallbacks& sheet) : m_backend(backend), m_sheet(sheet) {}

int HeadlessUser::ActiveTab() const { return m_sheet.GetActiveIndex(); }

HeadlessPage& HeadlessUser::Page() { return *m_pages.at(ActiveTab()); }

int HeadlessUser::FocusedId() const { return m_pages.at(ActiveTab())->focus; }

std::string HeadlessUser::Text(int id) { return Page().Edit(id).text; }

bool HeadlessUser::IsChecked(int id) { return Page().Checked(id); }

EditState& HeadlessUser::Edit(int id) { return Page().Edit(id); }

void HeadlessUser::ShowPage(int index) {
    const DialogTemplate* dialog = m_sheet.GetPageTemplate(index);
    if (dialog == nullptr) return;
    auto& slot = m_pages[index];
    if (!slot) {
        slot = std::make_unique<HeadlessPage>(*dialog);
        m_backend.pageWindowsCreated.push_back(dialog->id);
    }
    m_sheet.OnPageSetActive(index, *slot);
    const int first = FirstFocusOf(*dialog);
    if (SelectsTextOnFocus(*dialog, first)) {
        slot->FocusAndSelectAll(first);
    } else {
        slot->focus = first;
    }
}

void HeadlessUser::SelectTab(int index) {
    if (!m_open || index == ActiveTab() || m_sheet.GetPageTemplate(index) == nullptr) return;
    if (!m_sheet.OnPageKillActive()) return;
    ShowPage(index);
}

void HeadlessUser::NextTab() { SelectTab(NeighbourPage(ActiveTab(), 1, m_sheet.GetPageCount())); }

void HeadlessUser::PreviousTab() { SelectTab(NeighbourPage(ActiveTab(), -1, m_sheet.GetPageCount())); }

void HeadlessUser::Click(int id) {
    if (!m_open) return;
    switch (id) {
        case kSheetOkButton: PressOK(); return;
        case kSheetCancelButton: PressCancel(); return;
        case kSheetHelpButton: PressHelp(); return;
        default: break;
    }
    HeadlessPage& page = Page();
    const auto index = FindControl(page.Template(), id);
    if (!index) throw std::logic_error("no control " + std::to_string(id) + " to click");
    const ControlTemplate& control = page.Template().controls[*index];
    switch (control.kind) {
        case ControlKind::Label:
        case ControlKind::GroupBox: return;
        case ControlKind::TextField: {
            page.focus = id;
            EditState& edit = page.Edit(id);
            edit.selectionStart = edit.selectionEnd = edit.text.size();
            return;
        }
        case ControlKind::CheckBox:
            page.focus = id;
            page.SetControlChecked(id, !page.Checked(id));
            return;
        case ControlKind::RadioButton:
            page.focus = id;
            for (std::size_t member : RadioGroupOf(page.Template(), *index)) {
                page.SetControlChecked(page.Template().controls[member].id, member == *index);
            }
            return;
        case ControlKind::PushButton:
            page.focus = id;
            m_sheet.OnPageButtonClicked(id);
            return;
    }
}

void HeadlessUser::Type(std::string_view text) {
    if (!m_open) return;
    HeadlessPage& page = Page();
    const auto index = FindControl(page.Template(), page.focus);
    if (!index || page.Template().controls[*index].kind != ControlKind::TextField) return;
    // Typed keys arrive one by one: a line break is Enter, not text.
    for (char key : text) {
        if (key == '\r' || key == '\n') {
            PressEnter();
            return;
        }
        ReplaceSelection(page.Edit(page.focus), std::string_view(&key, 1));
    }
}

void HeadlessUser::Paste(std::string_view text) {
    if (!m_open) return;
    HeadlessPage& page = Page();
    const auto index = FindControl(page.Template(), page.focus);
    if (!index || page.Template().controls[*index].kind != ControlKind::TextField) return;
    ReplaceSelection(page.Edit(page.focus), text);
}

void HeadlessUser::Backspace(int count) {
    if (!m_open) return;
    HeadlessPage& page = Page();
    const auto index = FindControl(page.Template(), page.focus);
    if (!index || page.Template().controls[*index].kind != ControlKind::TextField) return;
    EditState& edit = page.Edit(page.focus);
    for (int i = 0; i < count; ++i) {
        if (edit.selectionStart == edit.selectionEnd && edit.selectionEnd > 0) --edit.selectionStart;
        ReplaceSelection(edit, "");
    }
}

void HeadlessUser::SelectAllText() {
    if (!m_open) return;
    HeadlessPage& page = Page();
    const auto index = FindControl(page.Template(), page.focus);
    if (index && page.Template().controls[*index].kind == ControlKind::TextField) SelectAll(page.Edit(page.focus));
}

void HeadlessUser::ReplaceText(int id, std::string_view text) {
    Click(id);
    SelectAllText();
    Type(text);
}

void HeadlessUser::MoveFocus(int step) {
    if (!m_open) return;
    HeadlessPage& page = Page();
    const int next = NextFocus(SheetFocusCycle(page.Template(), m_sheet.HasHelpButton()), page.focus, step);
    if (SelectsTextOnFocus(page.Template(), next)) {
        page.FocusAndSelectAll(next);
    } else {
        page.focus = next;
    }
}

void HeadlessUser::PressTab() { MoveFocus(1); }

void HeadlessUser::PressShiftTab() { MoveFocus(-1); }

void HeadlessUser::PressEnter() {
    if (!m_open) return;
    const int focus = Page().focus;
    if (focus == kSheetCancelButton || focus == kSheetHelpButton) {
        Click(focus);
        return;
    }
    const auto index = FindControl(Page().Template(), focus);
    if (index && Page().Template().controls[*index].kind == ControlKind::PushButton) {
        Click(focus);
        return;
    }
    PressOK();  // the default button
}

void HeadlessUser::PressEscape() { PressCancel(); }

void HeadlessUser::PressOK() {
    if (!m_open) return;
    if (m_sheet.OnOK()) Close(IDOK);
}

void HeadlessUser::PressCancel() {
    if (m_open) Close(IDCANCEL);
}

void HeadlessUser::PressHelp() {
    if (m_open && m_sheet.HasHelpButton()) m_sheet.OnHelp();
}

void HeadlessUser::CloseWindow() { PressCancel(); }

void HeadlessUser::Close(int result) {
    m_open = false;
    m_result = result;
}
