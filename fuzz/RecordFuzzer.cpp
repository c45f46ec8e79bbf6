// Any record, as no file could give it (NULs, line feeds, long texts, choices
// out of range): the writer still keeps its canonical line structure, and the
// text is stable from the second round on.
#include <cstddef>
#include <cstdint>

#include <fuzzer/FuzzedDataProvider.h>

#include "config/SettingsCatalogue.h"
#include "fuzz/CanonicalLayout.h"
#include "fuzz/FuzzStreams.h"

namespace {

int ConsumeChoice(FuzzedDataProvider& input) {
    // Mostly the values a page can hold, sometimes anything at all.
    return input.ConsumeBool() ? input.ConsumeIntegralInRange(-1, 3) : input.ConsumeIntegral<int>();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    EmulatorSettings settings;
    for (const SettingDescriptor& setting : SettingsCatalogue()) {
        switch (setting.kind) {
            case SettingKind::Text: settings.*setting.text = input.ConsumeRandomLengthString(400); break;
            case SettingKind::Flag: settings.*setting.flag = input.ConsumeBool(); break;
            case SettingKind::Choice: settings.*setting.choice = ConsumeChoice(input); break;
        }
    }
    const std::string first = WriteToText(settings);
    RequireCanonical(first, settings);

    const EmulatorSettings once = ReadFromText(first);
    const std::string second = WriteToText(once);
    RequireCanonical(second, once);
    Require(WriteToText(ReadFromText(second)) == second, "a text read once is stable");
    return 0;
}
