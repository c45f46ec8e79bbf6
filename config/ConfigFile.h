#pragma once

#include <cstdio>
#include <string_view>

#include "config/EmulatorSettings.h"

struct SettingDescriptor;

// Reads key=value lines into the record, which holds the defaults already.
// Never fails: unknown lines are ignored and a read error counts as the end.
// Lines longer than 255 bytes arrive as several pieces, each read as a line.
void LoadConfigFile(std::FILE* stream, EmulatorSettings& settings);

// One value, as read after its key and "=", applied by the setting's rules.
void ApplySettingValue(const SettingDescriptor& setting, std::string_view value, EmulatorSettings& settings);

// Writes the whole file in its one canonical form, CR LF line ends on every
// build. True when every byte reached the stream and the stream flushed.
bool SaveConfigFile(std::FILE* stream, const EmulatorSettings& settings);
