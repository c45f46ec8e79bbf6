#include "fuzz/CanonicalLayout.h"

#include <string_view>
#include <vector>

#include "config/SettingsCatalogue.h"
#include "fuzz/FuzzStreams.h"
#include "tests/fixtures/Fixtures.h"

namespace {

std::vector<std::string_view> SplitCrLfLines(std::string_view text) {
    Require(text.ends_with("\r\n"), "the text ends with CR LF");
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find("\r\n");
        const std::string_view line = text.substr(0, end);
        Require(line.find('\n') == std::string_view::npos, "no LF inside a line");
        Require(line.find('\0') == std::string_view::npos, "no NUL inside a line");
        lines.push_back(line);
        text.remove_prefix(end + 2);
    }
    return lines;
}

// The lines of the canonical file, taken from the hand-kept default file
// rather than from the writer, so that the check does not share the writer's
// mistakes. Comments and blank lines are fixed; "Key=" lines carry a value.
const std::vector<std::string_view>& Layout() {
    static const std::vector<std::string_view> layout = [] {
        std::vector<std::string_view> lines = SplitCrLfLines(DefaultFileFixture());
        for (std::string_view& line : lines) {
            if (line.empty() || line.starts_with(';')) continue;
            const std::size_t equals = line.find('=');
            Require(equals != std::string_view::npos, "every setting line of the fixture has a key");
            line = line.substr(0, equals + 1);
        }
        return lines;
    }();
    return layout;
}

// The choice's text, or an empty view when the choice has no line.
std::string ChoiceValue(std::string_view key, int value) {
    if (key == "Cpu") return value != 0 ? "65C02" : "6502";
    if (key == "RamPattern") return std::to_string(value);
    if (key == "VGAMode") return value != 0 ? "Q" : "X";
    const bool pb5 = key == "SelectRomWithPB5";
    switch (value) {
        case 0: return "No";
        case 1: return pb5 ? "Switch" : "PASE";
        case 2: return pb5 ? "Strobe" : "IJK";
        default: return "";
    }
}

void RequireValue(const SettingDescriptor& setting, std::string_view value, const EmulatorSettings& settings) {
    switch (setting.kind) {
        case SettingKind::Text: {
            // The text up to its first NUL or LF, which would break the line.
            const std::string_view held = settings.*setting.text;
            Require(held.starts_with(value), "a text is written as held");
            Require(value.size() == held.size() || held[value.size()] == '\0' || held[value.size()] == '\n',
                    "a text is cut only at a NUL or LF");
            break;
        }
        case SettingKind::Flag:
            Require(value == ((settings.*setting.flag) ? "Yes" : "No"), "a flag is written Yes or No");
            break;
        case SettingKind::Choice:
            Require(value == ChoiceValue(setting.key, settings.*setting.choice), "a choice is written by its rule");
            break;
    }
}

}  // namespace

void RequireCanonical(const std::string& text, const EmulatorSettings& settings) {
    const std::vector<std::string_view> lines = SplitCrLfLines(text);
    std::size_t next = 0;
    for (const std::string_view expected : Layout()) {
        if (!expected.ends_with('=')) {
            Require(next < lines.size() && lines[next] == expected, "a fixed line is in its place");
            ++next;
            continue;
        }
        const SettingDescriptor* setting = FindSetting(expected.substr(0, expected.size() - 1));
        Require(setting != nullptr, "every written key is in the catalogue");
        const bool present = next < lines.size() && lines[next].starts_with(expected);
        if (!present) {
            Require(setting->kind == SettingKind::Choice &&
                        ChoiceValue(setting->key, settings.*setting->choice).empty(),
                    "a key line is missing only for a choice no button stands for");
            continue;
        }
        RequireValue(*setting, lines[next].substr(expected.size()), settings);
        ++next;
    }
    Require(next == lines.size(), "nothing follows the last empty line");
}
