#include "framework/win32/Win32PropertySheet.h"

#include <commctrl.h>
#include <prsht.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "framework/core/Backend.h"
#include "framework/core/ControlRules.h"
#include "framework/win32/PageDialogTemplate.h"
#include "framework/win32/PageRoom.h"
#include "framework/win32/RadioTabStops.h"
#include "framework/win32/SingleLinePaste.h"
#include "framework/win32/Win32Handles.h"
#include "framework/win32/Win32PageHost.h"

namespace {

struct SheetRun;

// Posted to a page once it is shown, when the control has settled the focus.
constexpr UINT kPlaceFocus = WM_APP + 1;

struct PageSlot {
    SheetRun* run;
    int index;
    std::vector<std::uint32_t> dialogTemplate;
    std::unique_ptr<Win32PageHost> host;  // from the page's first showing on
};

struct SheetRun {
    SheetCallbacks& sheet;
    std::vector<std::unique_ptr<PageSlot>> pages;
    std::unique_ptr<Win32Window> window;
    bool confirmed = false;
    bool placed = false;
};

// The property-sheet callback carries no data of ours; sheets run one at a time.
SheetRun* g_run = nullptr;

void CentreInWorkArea(HWND hwnd) {
    RECT work{};
    RECT frame{};
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0) || !GetWindowRect(hwnd, &frame)) return;
    const LONG width = frame.right - frame.left;
    const LONG height = frame.bottom - frame.top;
    const LONG x = work.left + std::max(0L, (work.right - work.left - width) / 2);
    const LONG y = work.top + std::max(0L, (work.bottom - work.top - height) / 2);
    SetWindowPos(hwnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void AttachSheetWindow(SheetRun& run, HWND hwnd) {
    if (run.window) return;
    run.window = std::make_unique<Win32Window>(hwnd);
    run.sheet.OnWindowCreated(run.window.get());
}

// No "?" in the title bar: the pages have no context help.
void StripContextHelp(LPARAM lParam) {
    auto* words = reinterpret_cast<WORD*>(lParam);
    if (words == nullptr) return;
    if (words[0] == 1 && words[1] == 0xFFFF) {  // DLGTEMPLATEEX: version, signature, helpID, exStyle, style
        auto* dwords = reinterpret_cast<DWORD*>(words + 2);
        dwords[1] &= ~static_cast<DWORD>(WS_EX_CONTEXTHELP);
        dwords[2] &= ~static_cast<DWORD>(DS_CONTEXTHELP);
    } else {
        auto* plain = reinterpret_cast<DLGTEMPLATE*>(lParam);
        plain->style &= ~static_cast<DWORD>(DS_CONTEXTHELP);
        plain->dwExtendedStyle &= ~static_cast<DWORD>(WS_EX_CONTEXTHELP);
    }
}

int CALLBACK SheetCallback(HWND hwnd, UINT message, LPARAM lParam) {
    if (message == PSCB_PRECREATE) StripContextHelp(lParam);
    if (message == PSCB_INITIALIZED && g_run != nullptr) {
        SetWindowLongPtrA(hwnd, GWL_EXSTYLE,
                          GetWindowLongPtrA(hwnd, GWL_EXSTYLE) & ~static_cast<LONG_PTR>(WS_EX_CONTEXTHELP));
        AttachSheetWindow(*g_run, hwnd);
    }
    return 0;
}

void SetResult(HWND page, LONG_PTR result) { SetWindowLongPtrA(page, DWLP_MSGRESULT, result); }

INT_PTR OnNotify(PageSlot& slot, HWND page, const NMHDR& header) {
    SheetCallbacks& sheet = slot.run->sheet;
    switch (header.code) {
        case PSN_SETACTIVE:
            MakeRoomForPage(GetParent(page), page, sheet.PageWidth(), sheet.PageHeight());
            // The sheet has its final size once a page is shown.
            if (!slot.run->placed) {
                slot.run->placed = true;
                CentreInWorkArea(GetParent(page));
            }
            sheet.OnPageSetActive(slot.index, *slot.host);
            PostMessageA(page, kPlaceFocus, 0, 0);
            SetResult(page, 0);
            return TRUE;
        case PSN_KILLACTIVE:
            // TRUE in the result keeps the page: the store was refused.
            SetResult(page, sheet.OnPageKillActive() ? FALSE : TRUE);
            return TRUE;
        case PSN_APPLY:
            // Sent to every page that exists; the sheet stores its active one once.
            if (slot.index == sheet.GetActiveIndex()) {
                if (!sheet.OnOK()) {
                    SetResult(page, PSNRET_INVALID_NOCHANGEPAGE);
                    return TRUE;
                }
                slot.run->confirmed = true;
            }
            SetResult(page, PSNRET_NOERROR);
            return TRUE;
        case PSN_HELP: sheet.OnHelp(); return TRUE;
        default: return FALSE;
    }
}

INT_PTR CALLBACK PageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* slot = reinterpret_cast<PageSlot*>(GetWindowLongPtrA(page, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG: {
            const auto* sheetPage = reinterpret_cast<const PROPSHEETPAGEA*>(lParam);
            slot = reinterpret_cast<PageSlot*>(sheetPage->lParam);
            SetWindowLongPtrA(page, DWLP_USER, reinterpret_cast<LONG_PTR>(slot));
            slot->host = std::make_unique<Win32PageHost>(page);
            KeepPastesOnOneLine(page, *slot->run->sheet.GetPageTemplate(slot->index));
            KeepRadiosOffTabOrder(page, *slot->run->sheet.GetPageTemplate(slot->index));
            AttachSheetWindow(*slot->run, GetParent(page));
            return TRUE;
        }
        case kPlaceFocus: {
            // A shown page has its first tab stop focused, whether it was
            // reached by keyboard or by a click on its tab. The focus is set
            // through the dialog manager, so that a focused push button is
            // also the one Enter presses.
            if (!IsWindowVisible(page)) return TRUE;
            HWND focus = GetNextDlgTabItem(page, nullptr, FALSE);
            if (focus != nullptr && IsChild(page, focus)) {
                SendMessageA(GetParent(page), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(focus), TRUE);
            }
            return TRUE;
        }
        case WM_NOTIFY:
            if (slot == nullptr) return FALSE;
            return OnNotify(*slot, page, *reinterpret_cast<const NMHDR*>(lParam));
        case WM_COMMAND: {
            if (slot == nullptr || HIWORD(wParam) != BN_CLICKED) return FALSE;
            const int id = LOWORD(wParam);
            const DialogTemplate& dialog = *slot->run->sheet.GetPageTemplate(slot->index);
            const auto index = FindControl(dialog, id);
            if (!index || dialog.controls[*index].kind != ControlKind::PushButton) return FALSE;
            slot->run->sheet.OnPageButtonClicked(id);
            return TRUE;
        }
        default: return FALSE;
    }
}

// Our own loop, so that every key passes through the sheet's own dialog
// handling, Ctrl+Tab and Ctrl+Page Up/Down included: the modal loop of some
// versions of the control leaves those to the plain dialog manager, which
// takes Ctrl+Tab for Tab. As with a modal sheet, its owner is disabled meanwhile.
void RunModelessLoop(HWND sheet, HWND owner) {
    if (sheet == nullptr) return;
    const bool ownerWasEnabled = owner != nullptr && !EnableWindow(owner, FALSE);
    MSG message{};
    // The control drops its current page once OK or Cancel has ended it.
    while (IsWindow(sheet) && PropSheet_GetCurrentPageHwnd(sheet) != nullptr) {
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == -1) break;
        if (got == 0) {
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (!PropSheet_IsDialogMessage(sheet, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    // The owner first, so that it takes the activation back from the sheet.
    if (ownerWasEnabled) EnableWindow(owner, TRUE);
    if (IsWindow(sheet)) DestroyWindow(sheet);
}

}  // namespace

HWND RunningSheetWindow() { return (g_run != nullptr && g_run->window) ? g_run->window->hwnd : nullptr; }

int RunWin32PropertySheet(SheetCallbacks& sheet, HINSTANCE instance) {
    SheetRun run{sheet, {}, {}};
    std::vector<PROPSHEETPAGEA> pages;
    for (int i = 0; i < sheet.GetPageCount(); ++i) {
        auto slot = std::make_unique<PageSlot>();
        slot->run = &run;
        slot->index = i;
        slot->dialogTemplate = BuildPageDialogTemplate(*sheet.GetPageTemplate(i));
        PROPSHEETPAGEA page{};
        page.dwSize = sizeof page;
        page.dwFlags = PSP_DLGINDIRECT | (sheet.HasHelpButton() ? PSP_HASHELP : 0);
        page.hInstance = instance;
        page.pResource = reinterpret_cast<LPCDLGTEMPLATEA>(slot->dialogTemplate.data());
        page.pfnDlgProc = PageProc;
        page.lParam = reinterpret_cast<LPARAM>(slot.get());
        pages.push_back(page);
        run.pages.push_back(std::move(slot));
    }
    if (pages.empty()) return IDCANCEL;

    PROPSHEETHEADERA header{};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_PROPSHEETPAGE | PSH_MODELESS | PSH_USECALLBACK | PSH_NOCONTEXTHELP | PSH_USEICONID |
                     (sheet.HasHelpButton() ? PSH_HASHELP : 0);
    header.hwndParent = HandleOf(sheet.GetParentWindow());
    header.hInstance = instance;
    header.pszIcon = MAKEINTRESOURCEA(1);  // the program's icon, for the title bar and Alt+Tab
    header.pszCaption = sheet.GetCaption().c_str();
    header.nPages = static_cast<UINT>(pages.size());
    header.nStartPage = static_cast<UINT>(sheet.GetStartPage());
    header.ppsp = pages.data();
    header.pfnCallback = SheetCallback;

    SheetRun* outer = g_run;
    g_run = &run;
    RunModelessLoop(reinterpret_cast<HWND>(PropertySheetA(&header)), header.hwndParent);
    g_run = outer;
    return run.confirmed ? IDOK : IDCANCEL;
}
