#include "bench/MixedFile.h"

#include <cstdint>
#include <cstdio>
#include <string_view>

#include "config/SettingsCatalogue.h"

namespace {

// A fixed generator, so runs and machines read the same file.
struct Lcg {
    std::uint64_t state = 0x2545f4914f6cdd1dULL;
    std::uint32_t Next() {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<std::uint32_t>(state >> 33);
    }
    std::size_t Below(std::size_t n) { return Next() % n; }
};

void AppendPath(std::string& line, Lcg& random) {
    static constexpr std::string_view kParts[] = {"C:\\Oric", "\\Roms", "\\Tapes", "\\games", "\\disk",
                                                   "/home/user/oric", "/roms", "\\bank"};
    const std::size_t parts = 1 + random.Below(5);
    for (std::size_t i = 0; i < parts; ++i) line += kParts[random.Below(std::size(kParts))];
    line += ".rom";
}

void AppendValue(std::string& line, const SettingDescriptor& setting, Lcg& random) {
    static constexpr std::string_view kChoices[] = {"65C02", "6502", "2", "3", "IJK", "PASE", "No",
                                                     "Strobe", "Switch", "Q", "X"};
    switch (setting.kind) {
        case SettingKind::Text: AppendPath(line, random); break;
        case SettingKind::Flag: line += random.Below(2) ? "Yes" : "No"; break;
        case SettingKind::Choice: line += kChoices[random.Below(std::size(kChoices))]; break;
    }
}

std::string NextLine(Lcg& random) {
    const auto& catalogue = SettingsCatalogue();
    const SettingDescriptor& setting = catalogue[random.Below(catalogue.size())];
    std::string line;
    const std::size_t kind = random.Below(100);
    if (kind < 40) {  // a known key
        line = setting.key;
        line += '=';
        AppendValue(line, setting, random);
    } else if (kind < 60) {
        line = "; ";
        line += setting.key;
        line += " was changed by hand";
    } else if (kind < 70) {
        // blank, or blank-looking
        if (random.Below(2)) line = " \t ";
    } else if (kind < 85) {  // a key of another program, or in the wrong case
        line = random.Below(2) ? "WindowPlacement" : "tapepath";
        line += "=";
        AppendPath(line, random);
    } else {  // long: a known key whose value runs far past 255 bytes, or noise
        line = random.Below(2) ? std::string(setting.key) + "=" : "#";
        const std::size_t length = 300 + random.Below(1700);
        while (line.size() < length) line += static_cast<char>('a' + random.Below(26));
    }
    line += random.Below(4) ? "\r\n" : "\n";
    return line;
}

}  // namespace

bool WriteMixedFile(const std::string& path, std::size_t bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    Lcg random;
    std::size_t written = 0;
    bool ok = true;
    while (ok && written < bytes) {
        const std::string line = NextLine(random);
        ok = std::fwrite(line.data(), 1, line.size(), file) == line.size();
        written += line.size();
    }
    return std::fclose(file) == 0 && ok;
}
