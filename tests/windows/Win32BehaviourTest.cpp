#include <windows.h>

#include <commctrl.h>
#include <prsht.h>

#include <deque>
#include <memory>

#include "behaviour/BehaviourSuite.h"
#include "framework/core/CWinApp.h"
#include "framework/core/SheetRules.h"
#include "framework/win32/Win32Backend.h"
#include "framework/win32/Win32PropertySheet.h"
#include "support/HeadlessRun.h"

namespace {

// The sheet is the real one: the system's property-sheet control, our page
// templates and our loop. Keys are posted to the focused control with the
// thread's key state set, as the keyboard would leave it, and go through
// the same dialog handling as the program's own loop. Message boxes,
// pickers and Help are the platform's own windows, which the end-to-end
// runs drive; here they are answered as the table says.
class DrivenBackend : public Win32Backend {
public:
    DrivenBackend() : Win32Backend(GetModuleHandleA(nullptr)) {}

    int ShowMessageBox(const MessageBoxRequest& request) override {
        boxes.push_back(request.text);
        return IDOK;
    }
    FileDialogResult RunFileDialog(const FileDialogRequest& request) override {
        const std::optional<std::string> path = NextAnswer();
        if (!path) return {};
        const std::size_t slash = path->find_last_of("\\/");
        if ((request.flags & OFN_NOCHANGEDIR) == 0) SetCurrentDirectoryA(path->substr(0, slash).c_str());
        return {DialogOutcome::Confirmed, *path, path->substr(slash + 1)};
    }
    FolderPickerResult RunFolderPicker(const FolderPickerRequest&) override {
        const std::optional<std::string> path = NextAnswer();
        if (!path) return {};
        return {true, true, *path};
    }
    // As on the desktop: no help engine to start.
    bool LaunchHelp(const std::string&, unsigned) override { return false; }

    std::deque<std::optional<std::string>> answers;
    std::vector<std::string> boxes;

private:
    std::optional<std::string> NextAnswer() {
        if (answers.empty()) return std::nullopt;
        std::optional<std::string> answer = std::move(answers.front());
        answers.pop_front();
        return answer;
    }
};

class Win32Driver;
Win32Driver* g_driver = nullptr;

class Win32Driver : public BehaviourDriver {
public:
    BackendName Backend() const override { return BackendName::Win32; }
    void AnswerNextPicker(std::optional<std::string> path) override { m_backend.answers.push_back(std::move(path)); }

    void Run(const std::function<void()>& user) override {
        m_user = &user;
        g_driver = this;
        const UINT_PTR timer = SetTimer(nullptr, 0, 10, &Win32Driver::OnTimer);
        AfxWinMain(m_backend, kTestExecutable);
        KillTimer(nullptr, timer);
        g_driver = nullptr;
        m_sheet = nullptr;
    }

    bool SheetOpen() override {
        return m_sheet != nullptr && IsWindow(m_sheet) && PropSheet_GetCurrentPageHwnd(m_sheet) != nullptr;
    }

    void ShowPage(int page) override {
        // What a click on the tab does: the control asks the page to let go.
        if (!SheetOpen()) return;
        PropSheet_SetCurSel(m_sheet, nullptr, page);
        Pump();
    }

    void Press(Key key) override {
        switch (key) {
            case Key::Tab: SendKey(VK_TAB, false, false); return;
            case Key::ShiftTab: SendKey(VK_TAB, true, false); return;
            case Key::Enter: SendKey(VK_RETURN, false, false); return;
            case Key::Escape: SendKey(VK_ESCAPE, false, false); return;
            case Key::CtrlTab: SendKey(VK_TAB, false, true); return;
            case Key::CtrlShiftTab: SendKey(VK_TAB, true, true); return;
            case Key::End: SendKey(VK_END, false, false); return;
            case Key::Up: SendKey(VK_UP, false, false); return;
            case Key::Space: SendKey(VK_SPACE, false, false); return;
        }
    }

    void Type(std::string_view text) override {
        for (char character : text) {
            if (!SheetOpen()) return;
            PostMessageA(GetFocus(), WM_CHAR, static_cast<unsigned char>(character), 1);
            Pump();
        }
    }

    void Paste(std::string_view text) override {
        if (!SheetOpen() || !OpenClipboard(m_sheet)) return;
        EmptyClipboard();
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
        char* bytes = static_cast<char*>(GlobalLock(memory));
        text.copy(bytes, text.size());
        bytes[text.size()] = '\0';
        GlobalUnlock(memory);
        SetClipboardData(CF_TEXT, memory);
        CloseClipboard();
        SendMessageA(GetFocus(), WM_PASTE, 0, 0);
        Pump();
    }

    void Click(int id) override {
        if (!SheetOpen()) return;
        HWND control = Window(id);
        if (control == nullptr) return;
        // A click focuses a field, ticks a box or presses a button.
        if (IsEdit(control)) {
            SetFocus(control);
            SendMessageA(control, EM_SETSEL, GetWindowTextLengthA(control), GetWindowTextLengthA(control));
        } else {
            SendMessageA(control, BM_CLICK, 0, 0);
        }
        Pump();
    }

    int ActivePage() override { return SheetOpen() ? PropSheet_HwndToIndex(m_sheet, Page()) : -1; }

    int FocusedId() override {
        HWND focus = GetFocus();
        if (focus == nullptr) return kNoControlId;
        if (GetParent(focus) == m_sheet) {
            switch (GetDlgCtrlID(focus)) {
                case IDOK: return kSheetOkButton;
                case IDCANCEL: return kSheetCancelButton;
                case IDHELP: return kSheetHelpButton;
                default: break;
            }
            if (focus == PropSheet_GetTabControl(m_sheet)) return kSheetTabStrip;
            return kNoControlId;
        }
        return GetParent(focus) == Page() ? GetDlgCtrlID(focus) : kNoControlId;
    }

    std::string Text(int id) override {
        HWND control = Window(id);
        if (control == nullptr) return "(no control)";
        std::string text(static_cast<std::size_t>(GetWindowTextLengthA(control)) + 1, '\0');
        text.resize(static_cast<std::size_t>(GetWindowTextA(control, text.data(), static_cast<int>(text.size()))));
        return text;
    }

    std::string SelectedText(int id) override {
        HWND control = Window(id);
        if (control == nullptr) return "(no control)";
        DWORD from = 0;
        DWORD to = 0;
        SendMessageA(control, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
        const std::string text = Text(id);
        return text.substr(std::min<std::size_t>(from, text.size()), to > from ? to - from : 0);
    }

    bool Checked(int id) override {
        HWND control = Window(id);
        return control != nullptr && SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
    }

    std::vector<std::string> MessageBoxes() override { return m_backend.boxes; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR timer, DWORD) {
        Win32Driver* driver = g_driver;
        if (driver == nullptr || driver->m_started) return;
        HWND sheet = RunningSheetWindow();
        if (sheet == nullptr || PropSheet_GetCurrentPageHwnd(sheet) == nullptr) return;
        KillTimer(nullptr, timer);
        driver->m_started = true;
        driver->m_sheet = sheet;
        driver->Pump();
        (*driver->m_user)();
        if (driver->SheetOpen()) PropSheet_PressButton(sheet, PSBTN_CANCEL);
        // The program's loop waits for a message before it looks again.
        PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
    }

    HWND Page() const { return PropSheet_GetCurrentPageHwnd(m_sheet); }

    HWND Window(int id) const {
        if (!IsWindow(m_sheet)) return nullptr;
        switch (id) {
            case kSheetOkButton: return GetDlgItem(m_sheet, IDOK);
            case kSheetCancelButton: return GetDlgItem(m_sheet, IDCANCEL);
            case kSheetHelpButton: return GetDlgItem(m_sheet, IDHELP);
            case kSheetTabStrip: return PropSheet_GetTabControl(m_sheet);
            default: return Page() != nullptr ? GetDlgItem(Page(), id) : nullptr;
        }
    }

    static bool IsEdit(HWND control) {
        char name[16] = {};
        GetClassNameA(control, name, sizeof name);
        return lstrcmpiA(name, "Edit") == 0;
    }

    // A key as the keyboard sends it, with Shift and Ctrl held as asked.
    void SendKey(UINT key, bool shift, bool control) {
        if (!SheetOpen()) return;
        BYTE state[256] = {};
        GetKeyboardState(state);
        BYTE held[256];
        CopyMemory(held, state, sizeof held);
        held[VK_SHIFT] = held[VK_LSHIFT] = shift ? 0x80 : 0;
        held[VK_CONTROL] = held[VK_LCONTROL] = control ? 0x80 : 0;
        SetKeyboardState(held);
        HWND focus = GetFocus() != nullptr ? GetFocus() : m_sheet;
        PostMessageA(focus, WM_KEYDOWN, key, 1);
        PostMessageA(focus, WM_KEYUP, key, 0xC0000001);
        Pump();
        held[VK_SHIFT] = held[VK_LSHIFT] = held[VK_CONTROL] = held[VK_LCONTROL] = 0;
        SetKeyboardState(held);
    }

    // Everything the keys and clicks set off, as the program's loop runs it.
    void Pump() {
        MSG message{};
        for (int round = 0; round < 3; ++round) {
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
                if (message.message == WM_TIMER && message.hwnd == nullptr) continue;
                if (!IsWindow(m_sheet) || !PropSheet_IsDialogMessage(m_sheet, &message)) {
                    TranslateMessage(&message);
                    DispatchMessageA(&message);
                }
            }
            Sleep(2);
        }
    }

    DrivenBackend m_backend;
    const std::function<void()>* m_user = nullptr;
    HWND m_sheet = nullptr;
    bool m_started = false;
};

}  // namespace

namespace {
[[maybe_unused]] const bool kRegistered =
    RegisterBehaviourSuite("Win32Behaviour", [] { return std::unique_ptr<BehaviourDriver>(std::make_unique<Win32Driver>()); });
}  // namespace
