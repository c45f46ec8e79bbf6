#include "bench/PeakMemory.h"

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <cstdio>

#include "config/ConfigFile.h"

extern char** environ;

int ReadForPeak(const char* path) {
    std::FILE* stream = std::fopen(path, "rb");
    if (stream == nullptr) return 2;
    EmulatorSettings settings;
    LoadConfigFile(stream, settings);
    std::fclose(stream);
    return 0;
}

long PeakKibReading(const std::string& path) {
    char self[] = "/proc/self/exe";
    char flag[64];
    std::snprintf(flag, sizeof flag, "%s", kReadForPeakFlag);
    std::string file = path;
    char* argv[] = {self, flag, file.data(), nullptr};
    pid_t child = 0;
    if (posix_spawn(&child, self, nullptr, nullptr, argv, environ) != 0) return -1;
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child) return -1;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
    return usage.ru_maxrss;  // KiB on Linux
}
