#include "bench/InihPeer.h"

#include <ini.h>

#include <string_view>

#include "config/SettingsCatalogue.h"

namespace {

bool StartsWithNo(std::string_view value) {
    return !value.empty() && (value.front() == 'N' || value.front() == 'n');
}

int ReadChoice(ChoiceRule rule, std::string_view value, int current) {
    switch (rule) {
        case ChoiceRule::Cpu: return value.starts_with("65C02") || value.starts_with("65c02") ? 1 : current;
        case ChoiceRule::RamPattern: return value.empty() ? 0 : static_cast<unsigned char>(value.front()) & 3;
        case ChoiceRule::Joystick: return StartsWithNo(value) ? 0 : value == "IJK" ? 2 : 1;
        case ChoiceRule::SelectRomWithPB5: return StartsWithNo(value) ? 0 : value.starts_with("Strobe") ? 2 : 1;
        case ChoiceRule::VGAMode: return !value.empty() && value.front() == 'Q' ? 1 : 0;
        case ChoiceRule::None: break;
    }
    return current;
}

int Handle(void* user, const char* /*section*/, const char* name, const char* value) {
    EmulatorSettings& settings = *static_cast<EmulatorSettings*>(user);
    const SettingDescriptor* setting = FindSetting(name);
    if (setting == nullptr) return 1;
    switch (setting->kind) {
        case SettingKind::Text: (settings.*setting->text).assign(value); break;
        case SettingKind::Flag: settings.*setting->flag = !StartsWithNo(value); break;
        case SettingKind::Choice:
            settings.*setting->choice = ReadChoice(setting->choiceRule, value, settings.*setting->choice);
            break;
    }
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
