#include <deque>
#include <memory>

#include "behaviour/BehaviourSuite.h"
#include "framework/core/Constants.h"
#include "framework/core/Runtime.h"
#include "framework/headless/HeadlessBackend.h"
#include "support/HeadlessRun.h"

namespace {

// The behaviour table on the headless backend, in process. As on the
// desktop, there is no help engine, and a picked file moves the working
// directory to its folder unless the picker was asked not to.
class HeadlessDriver : public BehaviourDriver {
public:
    HeadlessDriver();

    BackendName Backend() const override { return BackendName::Headless; }
    void AnswerNextPicker(std::optional<std::string> path) override { m_backend.answers.push_back(std::move(path)); }
    void Run(const std::function<void()>& user) override;

    bool SheetOpen() override;
    void ShowPage(int page) override;
    void Press(Key key) override;
    void Type(std::string_view text) override;
    void Paste(std::string_view text) override;
    void Click(int id) override;
    int ActivePage() override;
    int FocusedId() override;
    std::string Text(int id) override;
    std::string SelectedText(int id) override;
    bool Checked(int id) override;
    std::vector<std::string> MessageBoxes() override;

private:
    // Both kinds of picker answered from one queue, in the order they open.
    class PickerBackend : public HeadlessBackend {
    public:
        FileDialogResult RunFileDialog(const FileDialogRequest& request) override;
        FolderPickerResult RunFolderPicker(const FolderPickerRequest& request) override;
        std::deque<std::optional<std::string>> answers;

    private:
        std::optional<std::string> NextAnswer();
    };

    PickerBackend m_backend;
    HeadlessUser* m_user = nullptr;
};

std::optional<std::string> HeadlessDriver::PickerBackend::NextAnswer() {
    if (answers.empty()) return std::nullopt;
    std::optional<std::string> answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}

FileDialogResult HeadlessDriver::PickerBackend::RunFileDialog(const FileDialogRequest& request) {
    fileDialogs.push_back({request, true});
    const std::optional<std::string> path = NextAnswer();
    if (!path) return {};
    const std::size_t slash = path->find_last_of('/');
    if ((request.flags & OFN_NOCHANGEDIR) == 0) ChangeWorkingDirectory(path->substr(0, slash));
    return {DialogOutcome::Confirmed, *path, path->substr(slash + 1)};
}

FolderPickerResult HeadlessDriver::PickerBackend::RunFolderPicker(const FolderPickerRequest& request) {
    folderPickers.push_back({request, true});
    const std::optional<std::string> path = NextAnswer();
    if (!path) return {};
    return {true, true, *path};
}

HeadlessDriver::HeadlessDriver() { m_backend.SetHelpEngineAvailable(false); }

void HeadlessDriver::Run(const std::function<void()>& user) {
    m_backend.SetScript([&](HeadlessUser& headless) {
        m_user = &headless;
        user();
        m_user = nullptr;
    });
    RunProgram(m_backend);
}

bool HeadlessDriver::SheetOpen() { return m_user != nullptr && m_user->IsOpen(); }

void HeadlessDriver::ShowPage(int page) { m_user->SelectTab(page); }

void HeadlessDriver::Press(Key key) {
    switch (key) {
        case Key::Tab: m_user->PressTab(); return;
        case Key::ShiftTab: m_user->PressShiftTab(); return;
        case Key::Enter: m_user->PressEnter(); return;
        case Key::Escape: m_user->PressEscape(); return;
        case Key::CtrlTab: m_user->NextTab(); return;
        case Key::CtrlShiftTab: m_user->PreviousTab(); return;
        case Key::Up: return;  // the model has no arrow keys
        case Key::Space: {
            const auto index = FindControl(m_user->Page().Template(), m_user->FocusedId());
            if (!m_user->IsOpen() || !index) return;
            const ControlKind kind = m_user->Page().Template().controls[*index].kind;
            if (kind == ControlKind::CheckBox || kind == ControlKind::RadioButton || kind == ControlKind::PushButton) {
                m_user->Click(m_user->FocusedId());
            }
            return;
        }
        case Key::End: {
            if (!m_user->IsOpen() || !SelectsTextOnFocus(m_user->Page().Template(), m_user->FocusedId())) return;
            EditState& edit = m_user->Edit(m_user->FocusedId());
            edit.selectionStart = edit.selectionEnd = edit.text.size();
            return;
        }
    }
}

void HeadlessDriver::Type(std::string_view text) { m_user->Type(text); }

void HeadlessDriver::Paste(std::string_view text) { m_user->Paste(text); }

void HeadlessDriver::Click(int id) { m_user->Click(id); }

int HeadlessDriver::ActivePage() { return m_user->ActiveTab(); }

int HeadlessDriver::FocusedId() { return m_user->FocusedId(); }

std::string HeadlessDriver::Text(int id) { return m_user->Text(id); }

std::string HeadlessDriver::SelectedText(int id) {
    const EditState& edit = m_user->Edit(id);
    const std::size_t from = std::min(edit.selectionStart, edit.selectionEnd);
    const std::size_t to = std::max(edit.selectionStart, edit.selectionEnd);
    return edit.text.substr(from, to - from);
}

bool HeadlessDriver::Checked(int id) { return m_user->IsChecked(id); }

std::vector<std::string> HeadlessDriver::MessageBoxes() {
    std::vector<std::string> texts;
    for (const HeadlessBackend::MessageBoxRecord& box : m_backend.messageBoxes) texts.push_back(box.text);
    return texts;
}

}  // namespace

namespace {
[[maybe_unused]] const bool kRegistered =
    RegisterBehaviourSuite("HeadlessBehaviour", [] { return std::unique_ptr<BehaviourDriver>(std::make_unique<HeadlessDriver>()); });
}  // namespace
