// Writes a large file of mixed lines, or reads one the way the program reads
// "quorvane.ini": opened by InputFile, read by LoadConfigFile.
// Usage: brindlewick_read_large write <path> <bytes> | read <path>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "bench/MixedFile.h"
#include "config/ConfigFile.h"
#include "framework/core/Runtime.h"

int main(int argc, char** argv) {
    const std::string_view mode = argc > 2 ? argv[1] : "";
    if (mode == "write" && argc == 4) {
        if (WriteMixedFile(argv[2], std::strtoull(argv[3], nullptr, 10))) return 0;
        std::perror(argv[2]);
        return 2;
    }
    if (mode == "read" && argc == 3) {
        InputFile input;
        if (!input.Open(argv[2])) {
            std::perror(argv[2]);
            return 2;
        }
        EmulatorSettings settings;
        LoadConfigFile(input.Stream(), settings);
        // Something read must be used, or the reading could be optimised away.
        return settings.TapePath.size() == 1 ? 3 : 0;
    }
    std::fprintf(stderr, "usage: %s write <path> <bytes> | read <path>\n", argv[0]);
    return 2;
}
