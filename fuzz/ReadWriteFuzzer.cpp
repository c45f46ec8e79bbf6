// Any bytes as a file: reading survives them and agrees with a plain model of
// the line rules, the text written from what was read is canonical, and one
// round of reading and writing makes it stable.
#include <cstddef>
#include <cstdint>

#include "fuzz/CanonicalLayout.h"
#include "fuzz/FuzzStreams.h"
#include "fuzz/ReadingModel.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const EmulatorSettings read = ReadFromBytes(data, size);
    Require(read == ReadByModel(data, size), "the reader follows the line rules");
    const std::string written = WriteToText(read);
    RequireCanonical(written, read);

    const EmulatorSettings reread = ReadFromText(written);
    Require(reread == read, "reading the written text gives the record back");
    Require(WriteToText(reread) == written, "writing again gives the same bytes");
    return 0;
}
