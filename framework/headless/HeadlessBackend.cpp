#include "framework/headless/HeadlessBackend.h"

#include <algorithm>
#include <stdexcept>

#include "framework/core/CPropertySheet.h"
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
    return owner != nullptr && owner == m_running && m_running->m_hWnd != nullptr;
}

int HeadlessBackend::ShowMessageBox(const MessageBoxRequest& request) {
    messageBoxes.push_back(
        {request.text, request.caption, request.style, OwnedByRunningSheet(request.owner), request.owner != nullptr});
    return IDOK;
}

int HeadlessBackend::RunPropertySheet(CPropertySheet& sheet) {
    SheetRecord record{sheet.GetCaption(),       sheet.GetParentWindow() != nullptr,
                       true,                     sheet.HasContextHelpButton(),
                       sheet.HasHelpButton(),    sheet.IsApplyEnabled(),
                       {},                       sheet.PageWidth(),
                       sheet.PageHeight()};
    for (int i = 0; i < sheet.GetPageCount(); ++i) record.pageTitles.emplace_back(sheet.GetPage(i)->GetTemplate().title);
    sheets.push_back(record);

    NativeWindow window;
    CPropertySheet* outer = m_running;
    m_running = &sheet;
    sheet.OnWindowCreated(&window);
    int result = IDCANCEL;
    {
        HeadlessUser user(*this, sheet);
        user.ShowPage(std::clamp(sheet.GetStartPage(), 0, std::max(0, sheet.GetPageCount() - 1)));
        Script script = std::move(m_script);
        m_script = nullptr;
        if (script) script(user);
        if (user.IsOpen()) user.CloseWindow();
        result = user.Result();
        sheet.OnWindowDestroyed();
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

HeadlessUser::HeadlessUser(HeadlessBackend& backend, CPropertySheet& sheet) : m_backend(backend), m_sheet(sheet) {}

int HeadlessUser::ActiveTab() const { return m_sheet.GetActiveIndex(); }

HeadlessPage& HeadlessUser::Page() { return *m_pages.at(ActiveTab()); }

int HeadlessUser::FocusedId() const { return m_pages.at(ActiveTab())->focus; }

std::string HeadlessUser::Text(int id) { return Page().Edit(id).text; }

bool HeadlessUser::IsChecked(int id) { return Page().Checked(id); }

EditState& HeadlessUser::Edit(int id) { return Page().Edit(id); }

void HeadlessUser::ShowPage(int index) {
    CPropertyPage* page = m_sheet.GetPage(index);
    if (page == nullptr) return;
    auto& slot = m_pages[index];
    if (!slot) {
        slot = std::make_unique<HeadlessPage>(page->GetTemplate());
        m_backend.pageWindowsCreated.push_back(page->GetTemplate().id);
    }
    m_sheet.OnPageSetActive(index, *slot);
    // A shown page has its first tab stop focused; a field has its text selected.
    const std::vector<std::size_t> stops = TabStops(slot->Template());
    slot->focus = kHeadlessTabStrip;
    if (stops.empty()) return;
    const ControlTemplate& first = slot->Template().controls[stops.front()];
    if (first.kind == ControlKind::TextField) {
        slot->FocusAndSelectAll(first.id);
    } else {
        slot->focus = first.id;
    }
}

void HeadlessUser::SelectTab(int index) {
    if (!m_open || index == ActiveTab() || m_sheet.GetPage(index) == nullptr) return;
    if (!m_sheet.OnPageKillActive()) return;
    ShowPage(index);
}

void HeadlessUser::NextTab() {
    if (m_sheet.GetPageCount() > 0) SelectTab((ActiveTab() + 1) % m_sheet.GetPageCount());
}

void HeadlessUser::PreviousTab() {
    const int count = m_sheet.GetPageCount();
    if (count > 0) SelectTab((ActiveTab() + count - 1) % count);
}

void HeadlessUser::Click(int id) {
    if (!m_open) return;
    switch (id) {
        case kHeadlessOkButton: PressOK(); return;
        case kHeadlessCancelButton: PressCancel(); return;
        case kHeadlessHelpButton: PressHelp(); return;
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

std::vector<int> HeadlessUser::FocusCycle() {
    std::vector<int> cycle;
    for (std::size_t index : TabStops(Page().Template())) cycle.push_back(Page().Template().controls[index].id);
    cycle.push_back(kHeadlessOkButton);
    cycle.push_back(kHeadlessCancelButton);
    if (m_sheet.HasHelpButton()) cycle.push_back(kHeadlessHelpButton);
    cycle.push_back(kHeadlessTabStrip);
    return cycle;
}

void HeadlessUser::MoveFocus(int step) {
    if (!m_open) return;
    const std::vector<int> cycle = FocusCycle();
    const auto at = std::find(cycle.begin(), cycle.end(), Page().focus);
    const long count = static_cast<long>(cycle.size());
    const long from = at == cycle.end() ? (step > 0 ? -1 : 0) : static_cast<long>(at - cycle.begin());
    const int next = cycle[static_cast<std::size_t>(((from + step) % count + count) % count)];
    HeadlessPage& page = Page();
    const auto index = FindControl(page.Template(), next);
    if (index && page.Template().controls[*index].kind == ControlKind::TextField) {
        page.FocusAndSelectAll(next);  // a field reached by Tab has its text selected
    } else {
        page.focus = next;
    }
}

void HeadlessUser::PressTab() { MoveFocus(1); }

void HeadlessUser::PressShiftTab() { MoveFocus(-1); }

void HeadlessUser::PressEnter() {
    if (!m_open) return;
    const int focus = Page().focus;
    if (focus == kHeadlessCancelButton || focus == kHeadlessHelpButton) {
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
