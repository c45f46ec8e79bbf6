#include "framework/win32/PageRoom.h"

#include <commctrl.h>
#include <prsht.h>

#include <algorithm>
#include <cstring>

namespace {

void Resize(HWND window, LONG dx, LONG dy) {
    RECT rect{};
    GetWindowRect(window, &rect);
    SetWindowPos(window, nullptr, 0, 0, rect.right - rect.left + dx, rect.bottom - rect.top + dy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool IsPage(HWND window) {
    char className[16] = {};
    return GetClassNameA(window, className, sizeof className) > 0 && std::strcmp(className, "#32770") == 0;
}

}  // namespace

RECT RectInParent(HWND parent, HWND child) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

RECT PageArea(HWND sheet) {
    HWND tab = PropSheet_GetTabControl(sheet);
    RECT area{};
    if (tab == nullptr) return area;
    GetClientRect(tab, &area);
    TabCtrl_AdjustRect(tab, FALSE, &area);
    MapWindowPoints(tab, sheet, reinterpret_cast<POINT*>(&area), 2);
    return area;
}

void MakeRoomForPage(HWND sheet, HWND page, int widthDlu, int heightDlu) {
    RECT need{0, 0, widthDlu, heightDlu};
    if (!MapDialogRect(page, &need)) return;
    RECT pageRect = RectInParent(sheet, page);
    const LONG pageDx = std::max(0L, need.right - (pageRect.right - pageRect.left));
    const LONG pageDy = std::max(0L, need.bottom - (pageRect.bottom - pageRect.top));
    if (pageDx > 0 || pageDy > 0) Resize(page, pageDx, pageDy);
    pageRect.right += pageDx;
    pageRect.bottom += pageDy;

    HWND tab = PropSheet_GetTabControl(sheet);
    if (tab == nullptr) return;
    const RECT display = PageArea(sheet);
    const LONG dx = std::max(0L, pageRect.right - display.right);
    const LONG dy = std::max(0L, pageRect.bottom - display.bottom);
    if (dx == 0 && dy == 0) return;

    // The buttons keep their place at the bottom right; pages keep theirs.
    for (HWND child = GetWindow(sheet, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (child == tab) {
            Resize(tab, dx, dy);
        } else if (!IsPage(child)) {
            const RECT rect = RectInParent(sheet, child);
            SetWindowPos(child, nullptr, rect.left + dx, rect.top + dy, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    Resize(sheet, dx, dy);
}
