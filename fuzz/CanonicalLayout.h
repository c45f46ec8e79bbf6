#pragma once

#include <string>

#include "config/EmulatorSettings.h"

// Checks that `text` is the writer's one canonical form for `settings`: the
// fixed run of comments, blank lines and keys, every line ended by CR LF,
// each value as the record holds it, with no NUL or LF inside a line. The
// Joystick and SelectRomWithPB5 lines may only be missing for values that
// no button stands for. Aborts on the first difference.
void RequireCanonical(const std::string& text, const EmulatorSettings& settings);
