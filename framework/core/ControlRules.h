#pragma once

#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/DialogTemplate.h"

// How controls behave, whatever draws them. Every backend asks these.

// Index in the template of the control with this identifier.
std::optional<std::size_t> FindControl(const DialogTemplate& dialog, int id);

// Controls the Tab key visits, as template indexes in template order.
std::vector<std::size_t> TabStops(const DialogTemplate& dialog);

// The radio buttons of the group that holds the control at `index`: the run
// from the nearest group-start mark at or before it to the next one, with
// controls that are not radio buttons skipped. Template indexes, in order.
std::vector<std::size_t> RadioGroupOf(const DialogTemplate& dialog, std::size_t index);

// A single-line edit control's text, caret and selection.
struct EditState {
    std::string text;
    std::size_t selectionStart = 0;
    std::size_t selectionEnd = 0;  // caret
    std::size_t limit = std::numeric_limits<std::size_t>::max();  // in bytes
};

// Typing or pasting `input` over the selection, as a single-line edit does:
// only what precedes the first line break is taken, the selection goes, and
// what does not fit under the limit is dropped. A text loaded past the limit
// stays whole; it only takes no more input.
void ReplaceSelection(EditState& edit, std::string_view input);

void SelectAll(EditState& edit);
