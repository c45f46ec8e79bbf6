#pragma once

#include <cstddef>
#include <string>

// Writes a file of about `bytes` bytes of the lines a hand-kept file gathers:
// known keys with values, comments, blank lines, unknown keys, keys in the
// wrong case and lines far longer than the reader's 256-byte buffer. The same
// size always gives the same bytes. False when the file cannot be written.
bool WriteMixedFile(const std::string& path, std::size_t bytes);
