#pragma once

#include <string>

// Peak memory is measured in a fresh child process of this program, so that
// neither the benchmarks nor an earlier, larger read count towards it.

// The argument that makes this program a child that only reads one file.
inline constexpr const char* kReadForPeakFlag = "--read-for-peak";

// In the child: reads `path` with LoadConfigFile. Returns the exit status.
int ReadForPeak(const char* path);

// In the parent: the child's peak resident set size in KiB, -1 on failure.
long PeakKibReading(const std::string& path);
