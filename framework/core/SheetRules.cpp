#include "framework/core/SheetRules.h"

#include <algorithm>

#include "framework/core/ControlRules.h"

int ClampStartPage(int requested, int pageCount) { return std::clamp(requested, 0, std::max(0, pageCount - 1)); }

int NeighbourPage(int active, int step, int pageCount) {
    if (pageCount <= 0) return 0;
    return ((active + step) % pageCount + pageCount) % pageCount;
}

int FirstFocusOf(const DialogTemplate& page) {
    const std::vector<std::size_t> stops = TabStops(page);
    return stops.empty() ? kSheetTabStrip : page.controls[stops.front()].id;
}

std::vector<int> SheetFocusCycle(const DialogTemplate& page, bool helpShown) {
    std::vector<int> cycle;
    for (std::size_t index : TabStops(page)) cycle.push_back(page.controls[index].id);
    cycle.push_back(kSheetOkButton);
    cycle.push_back(kSheetCancelButton);
    if (helpShown) cycle.push_back(kSheetHelpButton);
    cycle.push_back(kSheetTabStrip);
    return cycle;
}

int NextFocus(const std::vector<int>& cycle, int current, int step) {
    if (cycle.empty()) return current;
    const long count = static_cast<long>(cycle.size());
    const auto at = std::find(cycle.begin(), cycle.end(), current);
    const long from = at == cycle.end() ? (step > 0 ? -1 : 0) : static_cast<long>(at - cycle.begin());
    return cycle[static_cast<std::size_t>(((from + step) % count + count) % count)];
}

bool SelectsTextOnFocus(const DialogTemplate& page, int id) {
    const auto index = FindControl(page, id);
    return index && page.controls[*index].kind == ControlKind::TextField;
}
