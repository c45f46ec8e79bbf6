#include <windows.h>

#include <commctrl.h>
#include <prsht.h>

#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/core/CWinApp.h"
#include "framework/win32/PageRoom.h"
#include "framework/win32/Win32Backend.h"
#include "framework/win32/Win32PropertySheet.h"
#include "support/HeadlessRun.h"
#include "support/ScratchFolder.h"

namespace {

bool Holds(const RECT& outer, const RECT& inner) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

std::string Describe(const RECT& rect) {
    std::ostringstream text;
    text << '(' << rect.left << ',' << rect.top << ")-(" << rect.right << ',' << rect.bottom << ')';
    return text.str();
}

// What is cut off on the shown page: a control outside its page, or the page
// outside the tab control's display area.
std::vector<std::string> CutOff(HWND sheet) {
    std::vector<std::string> problems;
    HWND page = PropSheet_GetCurrentPageHwnd(sheet);
    const RECT display = PageArea(sheet);
    const RECT pageRect = RectInParent(sheet, page);
    if (!Holds(display, pageRect)) {
        problems.push_back("page " + Describe(pageRect) + " outside the tab's area " + Describe(display));
    }
    RECT client{};
    GetClientRect(page, &client);
    for (HWND control = GetWindow(page, GW_CHILD); control != nullptr; control = GetWindow(control, GW_HWNDNEXT)) {
        const RECT rect = RectInParent(page, control);
        if (!Holds(client, rect)) {
            std::ostringstream text;
            text << "control " << GetDlgCtrlID(control) << ' ' << Describe(rect) << " outside its page "
                 << Describe(client);
            problems.push_back(text.str());
        }
    }
    return problems;
}

std::vector<std::string> g_problems;
bool g_walked = false;

void CALLBACK WalkPages(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND sheet = RunningSheetWindow();
    if (g_walked || sheet == nullptr || PropSheet_GetCurrentPageHwnd(sheet) == nullptr) return;
    KillTimer(nullptr, timer);
    g_walked = true;
    HWND tab = PropSheet_GetTabControl(sheet);
    const int pages = TabCtrl_GetItemCount(tab);
    for (int index = 0; index < pages; ++index) {
        PropSheet_SetCurSel(sheet, nullptr, index);
        for (const std::string& problem : CutOff(sheet)) {
            std::ostringstream text;
            text << "page " << index << ": " << problem;
            g_problems.push_back(text.str());
        }
    }
    PropSheet_PressButton(sheet, PSBTN_CANCEL);
    PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0);
}

}  // namespace

// At any screen scale (LogPixels) the sheet holds each page whole. The
// Windows stage runs this again at 120 and 144 pixels an inch, where the
// template's bitmap face has no size of its own.
TEST(Win32Sheet, HoldsEveryPageWholeAtThisScale) {
    ScratchFolder folder;
    WriteFile(folder.PathOf("quorvane.ini"), "TapePath=x\r\n");
    Win32Backend backend(GetModuleHandleA(nullptr));
    g_problems.clear();
    g_walked = false;
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, &WalkPages);
    AfxWinMain(backend, kTestExecutable);
    KillTimer(nullptr, timer);
    EXPECT_TRUE(g_walked);
    for (const std::string& problem : g_problems) ADD_FAILURE() << problem;
}
