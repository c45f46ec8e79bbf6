#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "framework/core/ControlRules.h"
#include "framework/win32/PageDialogTemplate.h"
#include "framework/win32/RadioTabStops.h"
#include "framework/win32/SingleLinePaste.h"
#include "framework/win32/Win32PageHost.h"
#include "resources/PageTemplates.h"

// The page windows the dialog manager makes from our in-memory templates,
// checked against the tables and against the control rules the headless
// backend models.

namespace {

INT_PTR CALLBACK QuietPage(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

// A page dialog inside a plain top-level window, as the sheet would hold it.
class PageWindow {
public:
    explicit PageWindow(const DialogTemplate& dialog) : m_template(BuildPageDialogTemplate(dialog)) {
        m_parent = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW, 0, 0, 640, 480, nullptr, nullptr,
                                   GetModuleHandleA(nullptr), nullptr);
        page = CreateDialogIndirectParamA(GetModuleHandleA(nullptr),
                                          reinterpret_cast<LPCDLGTEMPLATEA>(m_template.data()), m_parent, QuietPage, 0);
        if (page != nullptr) {
            KeepPastesOnOneLine(page, dialog);
            KeepRadiosOffTabOrder(page, dialog);
        }
    }
    ~PageWindow() {
        if (page != nullptr) DestroyWindow(page);
        if (m_parent != nullptr) DestroyWindow(m_parent);
    }
    PageWindow(const PageWindow&) = delete;
    PageWindow& operator=(const PageWindow&) = delete;

    std::vector<HWND> Children() const {
        std::vector<HWND> children;
        for (HWND child = GetWindow(page, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
            children.push_back(child);
        }
        return children;
    }

    HWND page = nullptr;

private:
    std::vector<std::uint32_t> m_template;
    HWND m_parent = nullptr;
};

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TextOf(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

const char* ExpectedClass(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label: return "Static";
        case ControlKind::TextField: return "Edit";
        default: return "Button";
    }
}

const DialogTemplate* const kPages[] = {&kPathsTemplate, &kOricTemplate, &kTelestratTemplate, &kAddonsTemplate,
                                        &kSystemTemplate};

void PutOnClipboard(HWND owner, const std::string& text) {
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    char* bytes = static_cast<char*>(GlobalLock(memory));
    std::copy(text.begin(), text.end(), bytes);
    bytes[text.size()] = '\0';
    GlobalUnlock(memory);
    SetClipboardData(CF_TEXT, memory);
    CloseClipboard();
}

}  // namespace

TEST(Win32Page, ControlsFollowTheTableInOrderKindTextPlaceAndMarks) {
    for (const DialogTemplate* dialog : kPages) {
        SCOPED_TRACE(std::string(dialog->title));
        PageWindow window(*dialog);
        ASSERT_NE(window.page, nullptr);
        EXPECT_EQ(TextOf(window.page), dialog->title);
        LOGFONTA font{};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(window.page, WM_GETFONT, 0, 0)), sizeof font, &font);
        EXPECT_STREQ(font.lfFaceName, "MS Sans Serif");

        RECT size{0, 0, dialog->width, dialog->height};
        MapDialogRect(window.page, &size);
        RECT client{};
        GetClientRect(window.page, &client);
        EXPECT_EQ(client.right, size.right);
        EXPECT_EQ(client.bottom, size.bottom);

        const std::vector<HWND> children = window.Children();
        ASSERT_EQ(children.size(), dialog->controls.size());
        for (std::size_t i = 0; i < children.size(); ++i) {
            const ControlTemplate& control = dialog->controls[i];
            HWND child = children[i];
            SCOPED_TRACE("control " + std::to_string(i + 1));
            EXPECT_EQ(ClassOf(child), ExpectedClass(control.kind));
            EXPECT_EQ(GetDlgCtrlID(child), static_cast<WORD>(control.id));
            if (control.kind != ControlKind::TextField) {
                EXPECT_EQ(TextOf(child), control.text);
            }
            const LONG_PTR style = GetWindowLongPtrA(child, GWL_STYLE);
            EXPECT_EQ((style & WS_GROUP) != 0, control.groupStart);
            EXPECT_EQ((style & WS_TABSTOP) != 0, control.tabStop);
            const LONG_PTR type = style & BS_TYPEMASK;
            if (control.kind == ControlKind::CheckBox) {
                EXPECT_EQ(type, BS_AUTOCHECKBOX);
                EXPECT_NE(style & BS_LEFTTEXT, 0);
            }
            if (control.kind == ControlKind::RadioButton) {
                EXPECT_EQ(type, BS_AUTORADIOBUTTON);
            }
            if (control.kind == ControlKind::GroupBox) {
                EXPECT_EQ(type, BS_GROUPBOX);
            }
            if (control.kind == ControlKind::TextField) {
                EXPECT_NE(style & ES_AUTOHSCROLL, 0);
            }

            // The dialog manager converts the origin and the size each on its own.
            RECT expected{control.rect.x, control.rect.y, control.rect.width, control.rect.height};
            MapDialogRect(window.page, &expected);
            RECT actual{};
            GetWindowRect(child, &actual);
            MapWindowPoints(nullptr, window.page, reinterpret_cast<POINT*>(&actual), 2);
            EXPECT_EQ(actual.left, expected.left);
            EXPECT_EQ(actual.top, expected.top);
            EXPECT_EQ(actual.right - actual.left, expected.right);
            EXPECT_EQ(actual.bottom - actual.top, expected.bottom);
        }
    }
}

TEST(Win32Page, TabVisitsTheTabStopsInTableOrder) {
    for (const DialogTemplate* dialog : kPages) {
        SCOPED_TRACE(std::string(dialog->title));
        PageWindow window(*dialog);
        // Checked radio buttons too stay out of the way, however they were checked.
        for (std::size_t i = 0; i < dialog->controls.size(); ++i) {
            if (dialog->controls[i].kind != ControlKind::RadioButton) continue;
            HWND button = GetDlgItem(window.page, dialog->controls[i].id);
            SendMessageA(button, dialog->controls[i].groupStart ? BM_CLICK : BM_SETCHECK, BST_CHECKED, 0);
        }
        std::vector<int> expected;
        for (std::size_t index : TabStops(*dialog)) expected.push_back(dialog->controls[index].id);
        std::vector<int> visited;
        HWND at = GetNextDlgTabItem(window.page, nullptr, FALSE);
        for (std::size_t step = 0; step <= expected.size() && at != nullptr; ++step) {
            visited.push_back(GetDlgCtrlID(at));
            at = GetNextDlgTabItem(window.page, at, FALSE);
        }
        expected.push_back(expected.front());  // and round again
        EXPECT_EQ(visited, expected);
    }
}

TEST(Win32Page, RadioClicksClearTheSameGroupTheRulesName) {
    for (const DialogTemplate* dialog : kPages) {
        SCOPED_TRACE(std::string(dialog->title));
        PageWindow window(*dialog);
        Win32PageHost host(window.page);
        for (std::size_t i = 0; i < dialog->controls.size(); ++i) {
            if (dialog->controls[i].kind != ControlKind::RadioButton) continue;
            const std::vector<std::size_t> group = RadioGroupOf(*dialog, i);
            for (std::size_t member : group) host.SetControlChecked(dialog->controls[member].id, true);
            SendMessageA(GetDlgItem(window.page, dialog->controls[i].id), BM_CLICK, 0, 0);
            for (std::size_t member : group) {
                EXPECT_EQ(host.IsControlChecked(dialog->controls[member].id), member == i)
                    << "clicked " << dialog->controls[i].id << ", member " << dialog->controls[member].id;
            }
        }
        for (std::size_t i = 0; i < dialog->controls.size(); ++i) {
            if (dialog->controls[i].kind != ControlKind::CheckBox) continue;
            const int id = dialog->controls[i].id;
            const bool before = host.IsControlChecked(id);
            SendMessageA(GetDlgItem(window.page, id), BM_CLICK, 0, 0);
            EXPECT_NE(host.IsControlChecked(id), before) << id;
        }
    }
}

TEST(Win32Page, EditTextStaysBytesAndTheLimitBindsTypingAndPasting) {
    PageWindow window(kPathsTemplate);
    Win32PageHost host(window.page);
    const int id = kPathsTemplate.controls[2].id;
    HWND edit = GetDlgItem(window.page, id);
    host.SetTextLimit(id, 128);

    // A text loaded past the limit stays whole.
    const std::string loaded = "C:\\R\xe9pertoire\\" + std::string(200, 'x');
    host.SetControlText(id, loaded);
    EXPECT_EQ(host.GetControlText(id), loaded);
    SendMessageA(edit, EM_SETSEL, loaded.size(), loaded.size());
    SendMessageA(edit, WM_CHAR, 'y', 0);
    EXPECT_EQ(host.GetControlText(id), loaded);

    host.SetControlText(id, "");
    for (int i = 0; i < 130; ++i) SendMessageA(edit, WM_CHAR, 'a', 0);
    EXPECT_EQ(host.GetControlText(id), std::string(128, 'a'));

    // Pasting, against the model every backend shares.
    const std::string pastes[] = {"abc\r\ndef", "abc\ndef", "abc\rdef", "\r\nabc", std::string(140, 'p'), "tab\there"};
    for (const std::string& paste : pastes) {
        SCOPED_TRACE(paste);
        EditState model;
        model.text = "12";
        model.limit = 128;
        model.selectionStart = model.selectionEnd = 1;
        ReplaceSelection(model, paste);
        host.SetControlText(id, "12");
        SendMessageA(edit, EM_SETSEL, 1, 1);
        PutOnClipboard(window.page, paste);
        SendMessageA(edit, WM_PASTE, 0, 0);
        EXPECT_EQ(host.GetControlText(id), model.text);
    }

    host.SetControlText(id, "select me");
    host.FocusAndSelectAll(id);
    DWORD from = 1, to = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    EXPECT_EQ(from, 0u);
    EXPECT_EQ(to, 9u);
}
