#include "fuzz/ReadingModel.h"

#include <string_view>

#include "config/SettingsCatalogue.h"

namespace {

bool FirstIsN(std::string_view value) {
    return !value.empty() && (value[0] == 'N' || value[0] == 'n');
}

void Apply(const SettingDescriptor& setting, std::string_view value, EmulatorSettings& settings) {
    if (setting.kind == SettingKind::Text) {
        settings.*setting.text = std::string(value);
        return;
    }
    if (setting.kind == SettingKind::Flag) {
        settings.*setting.flag = !FirstIsN(value);
        return;
    }
    int& choice = settings.*setting.choice;
    const std::string_view key = setting.key;
    if (key == "Cpu") {
        if (value.substr(0, 5) == "65C02" || value.substr(0, 5) == "65c02") choice = 1;
    } else if (key == "RamPattern") {
        choice = value.empty() ? 0 : static_cast<unsigned char>(value[0]) % 4;
    } else if (key == "Joystick") {
        choice = FirstIsN(value) ? 0 : value == "IJK" ? 2 : 1;
    } else if (key == "SelectRomWithPB5") {
        choice = FirstIsN(value) ? 0 : value.substr(0, 6) == "Strobe" ? 2 : 1;
    } else if (key == "VGAMode") {
        choice = !value.empty() && value[0] == 'Q' ? 1 : 0;
    }
}

}  // namespace

EmulatorSettings ReadByModel(const std::uint8_t* data, std::size_t size) {
    EmulatorSettings settings;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::size_t at = 0;
    while (at < bytes.size()) {
        std::size_t end = at;
        while (end < bytes.size() && end - at < 255) {
            if (bytes[end++] == '\n') break;
        }
        std::string_view piece = bytes.substr(at, end - at);
        at = end;
        piece = piece.substr(0, piece.find('\0'));
        while (!piece.empty() && (piece.back() == ' ' || piece.back() == '\r' || piece.back() == '\n')) {
            piece.remove_suffix(1);
        }
        for (const SettingDescriptor& setting : SettingsCatalogue()) {
            const std::string_view key = setting.key;
            if (piece.size() > key.size() && piece.starts_with(key) && piece[key.size()] == '=') {
                Apply(setting, piece.substr(key.size() + 1), settings);
                break;
            }
        }
    }
    return settings;
}
