#pragma once

#include <cstddef>
#include <optional>

#include "framework/core/DialogTemplate.h"

// The label that names a control for a screen reader: the one beside it on
// the left, on the same row. Template indexes.
std::optional<std::size_t> LabelBeside(const DialogTemplate& dialog, std::size_t controlIndex);
