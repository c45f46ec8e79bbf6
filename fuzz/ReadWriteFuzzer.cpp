// Any bytes as a file: reading survives them, the text written from what was
// read is canonical, and one round of reading and writing makes it stable.
#include <cstddef>
#include <cstdint>

#include "fuzz/CanonicalLayout.h"
#include "fuzz/FuzzStreams.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const EmulatorSettings read = ReadFromBytes(data, size);
    const std::string written = WriteToText(read);
    RequireCanonical(written, read);

    const EmulatorSettings reread = ReadFromText(written);
    Require(reread == read, "reading the written text gives the record back");
    Require(WriteToText(reread) == written, "writing again gives the same bytes");
    return 0;
}
