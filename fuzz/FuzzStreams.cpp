#include "fuzz/FuzzStreams.h"

#include <cstdio>
#include <cstdlib>

#include "config/ConfigFile.h"

void Require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
}

EmulatorSettings ReadFromBytes(const std::uint8_t* data, std::size_t size) {
    EmulatorSettings settings;
    // fmemopen wants a buffer even for an empty stream.
    char empty = 0;
    void* buffer = size == 0 ? static_cast<void*>(&empty) : const_cast<std::uint8_t*>(data);
    std::FILE* stream = fmemopen(buffer, size, "rb");
    Require(stream != nullptr, "fmemopen for reading");
    LoadConfigFile(stream, settings);
    std::fclose(stream);
    return settings;
}

EmulatorSettings ReadFromText(const std::string& text) {
    return ReadFromBytes(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
}

std::string WriteToText(const EmulatorSettings& settings) {
    char* buffer = nullptr;
    std::size_t size = 0;
    std::FILE* stream = open_memstream(&buffer, &size);
    Require(stream != nullptr, "open_memstream");
    Require(SaveConfigFile(stream, settings), "SaveConfigFile reports success on a memory stream");
    std::fclose(stream);
    std::string text(buffer, size);
    std::free(buffer);
    return text;
}
