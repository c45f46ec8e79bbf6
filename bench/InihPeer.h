#pragma once

#include <cstdio>

#include "config/EmulatorSettings.h"

// The same file read by inih, a widely used INI parser, into the record: its
// handler looks each key up in the catalogue exactly as our reader does and
// applies the value by the same rules.
void LoadWithInih(std::FILE* stream, EmulatorSettings& settings);

// inih alone, with a handler that does nothing: what the parser itself costs.
void ParseWithInihOnly(std::FILE* stream);
