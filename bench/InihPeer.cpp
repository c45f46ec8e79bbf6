#include "bench/InihPeer.h"

#include <ini.h>

#include <string_view>

#include "config/ConfigFile.h"
#include "config/SettingsCatalogue.h"

namespace {

int Handle(void* user, const char* /*section*/, const char* name, const char* value) {
    EmulatorSettings& settings = *static_cast<EmulatorSettings*>(user);
    const SettingDescriptor* setting = FindSetting(name);
    if (setting == nullptr) return 1;
    ApplySettingValue(*setting, value, settings);
    return 1;
}

int Ignore(void*, const char*, const char*, const char*) { return 1; }

}  // namespace

void LoadWithInih(std::FILE* stream, EmulatorSettings& settings) {
    // inih reports lines it cannot parse by number; like ours, go on reading.
    ini_parse_file(stream, Handle, &settings);
}

void ParseWithInihOnly(std::FILE* stream) {
    ini_parse_file(stream, Ignore, nullptr);
}
