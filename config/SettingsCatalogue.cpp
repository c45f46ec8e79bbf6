#include "config/SettingsCatalogue.h"

#include <cstdint>

namespace {

using S = EmulatorSettings;

constexpr SettingDescriptor Text(std::string_view key, std::string S::*member, SettingPage page,
                                 std::string_view value = {}) {
    return {key, SettingKind::Text, page, value, 0, ChoiceRule::None, member, nullptr, nullptr};
}

constexpr SettingDescriptor Flag(std::string_view key, bool S::*member, SettingPage page, bool value) {
    return {key, SettingKind::Flag, page, {}, value ? 1 : 0, ChoiceRule::None, nullptr, member, nullptr};
}

constexpr SettingDescriptor Choice(std::string_view key, int S::*member, SettingPage page, ChoiceRule rule) {
    return {key, SettingKind::Choice, page, {}, 0, rule, nullptr, nullptr, member};
}

constexpr auto P = SettingPage::Paths;
constexpr auto O = SettingPage::Oric;
constexpr auto T = SettingPage::Telestrat;
constexpr auto A = SettingPage::Addons;
constexpr auto Y = SettingPage::System;

constexpr std::array<SettingDescriptor, kSettingCount> kCatalogue = {{
    Text("TapePath", &S::TapePath, P),
    Text("DiskPath", &S::DiskPath, P),
    Text("RomPath", &S::RomPath, P),
    Text("Oric1Rom", &S::Oric1Rom, O),
    Text("AtmosRom", &S::AtmosRom, O),
    Text("PravetzRom", &S::PravetzRom, O),
    Text("MicrodiscEprom", &S::MicrodiscEprom, O),
    Text("JasminEprom", &S::JasminEprom, O),
    Text("BD500Eprom", &S::BD500Eprom, O),
    Text("AppleInterfaceEprom", &S::AppleInterfaceEprom, O),
    Text("Bank7", &S::Bank7, T),
    Text("Bank6", &S::Bank6, T),
    Text("Bank5", &S::Bank5, T),
    Text("Bank4", &S::Bank4, T),
    Text("Bank3", &S::Bank3, T),
    Text("Bank2", &S::Bank2, T),
    Text("Bank1", &S::Bank1, T),
    Flag("JoystickPort", &S::JoystickPort, T, false),
    Flag("Mouse", &S::Mouse, T, false),
    Choice("Cpu", &S::Cpu, A, ChoiceRule::Cpu),
    Choice("RamPattern", &S::RamPattern, A, ChoiceRule::RamPattern),
    Choice("Joystick", &S::Joystick, A, ChoiceRule::Joystick),
    Choice("SelectRomWithPB5", &S::SelectRomWithPB5, A, ChoiceRule::SelectRomWithPB5),
    Flag("DriveA", &S::DriveA, A, true),
    Flag("DriveB", &S::DriveB, A, true),
    Flag("DriveC", &S::DriveC, A, true),
    Flag("DriveD", &S::DriveD, A, false),
    Flag("OverlayRamAccess", &S::OverlayRamAccess, A, false),
    Flag("LightPen", &S::LightPen, A, false),
    Flag("RealTimeClock", &S::RealTimeClock, A, false),
    Flag("Printer", &S::Printer, A, false),
    Flag("FixCRs", &S::FixCRs, A, true),
    Flag("PrintNULs", &S::PrintNULs, A, false),
    Flag("Log", &S::Log, Y, false),
    Text("DumpFile", &S::DumpFile, Y),
    Flag("DumpSound", &S::DumpSound, Y, false),
    Text("SoundFile", &S::SoundFile, Y),
    Text("PrinterOutput", &S::PrinterOutput, Y, "lpt1:"),
    Choice("VGAMode", &S::VGAMode, Y, ChoiceRule::VGAMode),
    Flag("ScanLines", &S::ScanLines, Y, false),
    Flag("MonochromeVGA", &S::MonochromeVGA, Y, false),
}};

constexpr bool NoKeyLongerThan(std::size_t length) {
    bool reached = false;
    for (const SettingDescriptor& setting : kCatalogue) {
        if (setting.key.size() > length) return false;
        reached = reached || setting.key.size() == length;
    }
    return reached;
}
static_assert(NoKeyLongerThan(kLongestSettingKey));

// The catalogue's rows by the length of their key. Asked for nearly every
// line of a file, a look-up then compares a few keys at most (the banks).
struct KeysOfOneLength {
    std::size_t count = 0;
    std::array<std::uint8_t, 8> rows{};
};
constexpr std::array<KeysOfOneLength, kLongestSettingKey + 1> kByLength = [] {
    std::array<KeysOfOneLength, kLongestSettingKey + 1> table{};
    for (std::size_t row = 0; row < kCatalogue.size(); ++row) {
        KeysOfOneLength& keys = table[kCatalogue[row].key.size()];
        keys.rows.at(keys.count++) = static_cast<std::uint8_t>(row);  // .at: too many stops the build
    }
    return table;
}();

}  // namespace

const std::array<SettingDescriptor, kSettingCount>& SettingsCatalogue() { return kCatalogue; }

const SettingDescriptor* FindSetting(std::string_view key) {
    if (key.empty() || key.size() > kLongestSettingKey) return nullptr;
    const KeysOfOneLength& keys = kByLength[key.size()];
    for (std::size_t i = 0; i < keys.count; ++i) {
        const SettingDescriptor& setting = kCatalogue[keys.rows[i]];
        // The banks differ only in their last character.
        if (setting.key.back() == key.back() && setting.key == key) return &setting;
    }
    return nullptr;
}

// The defaults live in the catalogue only; the record takes them from there.
EmulatorSettings::EmulatorSettings() {
    for (const SettingDescriptor& setting : kCatalogue) {
        switch (setting.kind) {
            case SettingKind::Text: this->*setting.text = std::string(setting.textDefault); break;
            case SettingKind::Flag: this->*setting.flag = setting.numericDefault != 0; break;
            case SettingKind::Choice: this->*setting.choice = setting.numericDefault; break;
        }
    }
}
