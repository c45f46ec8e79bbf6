#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "framework/core/DialogTemplate.h"

// What a screen reader is told about a page's controls, from its template
// alone. Template indexes throughout.

// The label that names a control: the one beside it on the left, on the
// same row.
std::optional<std::size_t> LabelBeside(const DialogTemplate& dialog, std::size_t controlIndex);

// The text field a push button fills: the one to its right sharing most of
// its row.
std::optional<std::size_t> FieldOnRow(const DialogTemplate& dialog, std::size_t buttonIndex);

// The innermost group box whose rectangle holds the control's.
std::optional<std::size_t> EnclosingGroupBox(const DialogTemplate& dialog, std::size_t controlIndex);

// A label's text as spoken: without the trailing " :" that only sets it off
// on screen.
std::string SpokenText(std::string_view text);

// The accessible name of a control: a field is named by its label, a push
// button says which field it fills ("Browse for Tapes"), others by their
// own text unless the template gives a spoken name.
std::string AccessibleNameOf(const DialogTemplate& dialog, std::size_t controlIndex);

// The accessible description: for a radio button, what its group sets (the
// label beside the group's first button); empty otherwise.
std::string AccessibleDescriptionOf(const DialogTemplate& dialog, std::size_t controlIndex);
