#include "framework/core/ControlRules.h"

#include <algorithm>

std::optional<std::size_t> FindControl(const DialogTemplate& dialog, int id) {
    if (id == kNoControlId) return std::nullopt;
    for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
        if (dialog.controls[i].id == id) return i;
    }
    return std::nullopt;
}

std::vector<std::size_t> TabStops(const DialogTemplate& dialog) {
    std::vector<std::size_t> stops;
    for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
        if (dialog.controls[i].tabStop) stops.push_back(i);
    }
    return stops;
}

std::vector<std::size_t> RadioGroupOf(const DialogTemplate& dialog, std::size_t index) {
    std::vector<std::size_t> group;
    if (index >= dialog.controls.size()) return group;
    std::size_t start = index;
    while (start > 0 && !dialog.controls[start].groupStart) --start;
    for (std::size_t i = start; i < dialog.controls.size(); ++i) {
        if (i != start && dialog.controls[i].groupStart) break;
        if (dialog.controls[i].kind == ControlKind::RadioButton) group.push_back(i);
    }
    return group;
}

void ReplaceSelection(EditState& edit, std::string_view input) {
    input = input.substr(0, input.find_first_of("\r\n"));
    const std::size_t from = std::min({edit.selectionStart, edit.selectionEnd, edit.text.size()});
    const std::size_t to = std::min(std::max(edit.selectionStart, edit.selectionEnd), edit.text.size());
    edit.text.erase(from, to - from);
    const std::size_t room = edit.text.size() >= edit.limit ? 0 : edit.limit - edit.text.size();
    input = input.substr(0, std::min(room, input.size()));
    edit.text.insert(from, input);
    edit.selectionStart = edit.selectionEnd = from + input.size();
}

void SelectAll(EditState& edit) {
    edit.selectionStart = 0;
    edit.selectionEnd = edit.text.size();
}
