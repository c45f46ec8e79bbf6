#pragma once

#include <array>
#include <string>
#include <string_view>

#include "config/EmulatorSettings.h"
#include "config/SettingKind.h"

// The page that shows a setting; also the section it is written under.
enum class SettingPage { Paths, Oric, Telestrat, Addons, System };

// How a Choice setting's value is read from and written to the file.
enum class ChoiceRule {
    None,              // not a Choice setting
    Cpu,               // "65C02"/"65c02" prefix selects 1; anything else keeps the value
    RamPattern,        // first character's code AND 3; written as a signed number
    Joystick,          // "No" / "PASE" / "IJK"
    SelectRomWithPB5,  // "No" / "Switch" / "Strobe"
    VGAMode,           // "X" / "Q"
};

// One row of the catalogue. Exactly one of text, flag and choice points at
// the record's member, the one that matches kind.
struct SettingDescriptor {
    std::string_view key;
    SettingKind kind;
    SettingPage page;
    std::string_view textDefault;  // Text settings
    int numericDefault;            // Flag (0 or 1) and Choice settings
    ChoiceRule choiceRule;
    std::string EmulatorSettings::*text;
    bool EmulatorSettings::*flag;
    int EmulatorSettings::*choice;
};

inline constexpr std::size_t kSettingCount = 41;
// The length of the longest key ("AppleInterfaceEprom").
inline constexpr std::size_t kLongestSettingKey = 19;

// Every setting, in the order the file is written.
const std::array<SettingDescriptor, kSettingCount>& SettingsCatalogue();

// Exact, case-sensitive look-up; nullptr for a key that is not in the catalogue.
const SettingDescriptor* FindSetting(std::string_view key);
