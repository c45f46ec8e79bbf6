#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "config/EmulatorSettings.h"

// The reader and writer over in-memory streams, so a run touches no disk.
EmulatorSettings ReadFromBytes(const std::uint8_t* data, std::size_t size);
EmulatorSettings ReadFromText(const std::string& text);
std::string WriteToText(const EmulatorSettings& settings);

// Ends the run with a message when a property does not hold, so that the
// fuzzer records the input that broke it.
void Require(bool holds, const char* what);
