#pragma once

#include <cstddef>
#include <cstdint>

#include "config/EmulatorSettings.h"

// The line rules of the reader, applied straight to the bytes with no stream
// in between: pieces of at most 255 bytes up to a line feed, cut at a NUL,
// trailing blanks, CRs and LFs removed, a key matched by its "Key=" prefix.
// A slow, plain second opinion for the fuzzer to hold LoadConfigFile against.
EmulatorSettings ReadByModel(const std::uint8_t* data, std::size_t size);
