// Reading a large mixed file against a bare fgets loop (the floor) and against
// inih (also timed with an empty handler, to show where its time goes), peak memory for a small and a large file, and one save to a memory
// stream against writing the same bytes. Ends with the ratios; the exit status
// says whether every target was met.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "bench/InihPeer.h"
#include "bench/MedianReporter.h"
#include "bench/MixedFile.h"
#include "bench/PeakMemory.h"
#include "config/ConfigFile.h"

namespace {

constexpr std::size_t kMiB = 1 << 20;
constexpr int kRepetitions = 5;

std::string gLargeFile;  // 64 MiB

std::FILE* OpenOrDie(const std::string& path) {
    std::FILE* stream = std::fopen(path.c_str(), "rb");
    if (stream == nullptr) {
        std::perror(path.c_str());
        std::exit(2);
    }
    return stream;
}

// Every reader gets the same stream, opened and closed the same way.
template <class Reader>
void ReadLargeFile(benchmark::State& state, Reader read) {
    for (auto _ : state) {
        std::FILE* stream = OpenOrDie(gLargeFile);
        read(stream);
        std::fclose(stream);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * 64 * kMiB));
}

void ReadFloor(benchmark::State& state) {
    ReadLargeFile(state, [](std::FILE* stream) {
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, stream) != nullptr) benchmark::DoNotOptimize(buffer);
    });
}

void ReadOurs(benchmark::State& state) {
    ReadLargeFile(state, [](std::FILE* stream) {
        EmulatorSettings settings;
        LoadConfigFile(stream, settings);
        benchmark::DoNotOptimize(settings);
    });
}

void ReadInih(benchmark::State& state) {
    ReadLargeFile(state, [](std::FILE* stream) {
        EmulatorSettings settings;
        LoadWithInih(stream, settings);
        benchmark::DoNotOptimize(settings);
    });
}

void ReadInihOnly(benchmark::State& state) { ReadLargeFile(state, ParseWithInihOnly); }

// Both saves go to the same kind of stream: a fixed buffer, rewound each time.
struct MemoryStream {
    char buffer[8192];
    std::FILE* stream = fmemopen(buffer, sizeof buffer, "wb");
    ~MemoryStream() { std::fclose(stream); }
};

void SaveFloor(benchmark::State& state) {
    MemoryStream memory;
    std::string text;
    {
        // The bytes a save writes, taken once.
        char* data = nullptr;
        std::size_t size = 0;
        std::FILE* capture = open_memstream(&data, &size);
        SaveConfigFile(capture, EmulatorSettings());
        std::fclose(capture);
        text.assign(data, size);
        std::free(data);
    }
    for (auto _ : state) {
        std::rewind(memory.stream);
        benchmark::DoNotOptimize(std::fwrite(text.data(), 1, text.size(), memory.stream));
        std::fflush(memory.stream);
    }
}

void SaveOurs(benchmark::State& state) {
    MemoryStream memory;
    const EmulatorSettings settings;
    for (auto _ : state) {
        std::rewind(memory.stream);
        benchmark::DoNotOptimize(SaveConfigFile(memory.stream, settings));
    }
}

void Register() {
    const auto large = [](const char* name, void (*fn)(benchmark::State&)) {
        benchmark::RegisterBenchmark(name, fn)->Unit(benchmark::kMillisecond)->Repetitions(kRepetitions)->ReportAggregatesOnly(true);
    };
    large("read_64MiB/fgets_floor", ReadFloor);
    large("read_64MiB/LoadConfigFile", ReadOurs);
    large("read_64MiB/inih", ReadInih);
    large("read_64MiB/inih_parser_only", ReadInihOnly);
    const auto small = [](const char* name, void (*fn)(benchmark::State&)) {
        benchmark::RegisterBenchmark(name, fn)->Unit(benchmark::kNanosecond)->Repetitions(kRepetitions)->ReportAggregatesOnly(true);
    };
    small("save/fwrite_floor", SaveFloor);
    small("save/SaveConfigFile", SaveOurs);
}

struct Verdict {
    bool met = true;
    void Ratio(const MedianReporter& times, const char* what, const char* ours, const char* base, double limit) {
        const auto a = times.MedianNs(ours);
        const auto b = times.MedianNs(base);
        if (!a || !b) {
            std::printf("%-34s not run\n", what);
            return;
        }
        const double ratio = *a / *b;
        const bool ok = limit <= 0 || ratio <= limit;
        met = met && ok;
        if (limit > 0) {
            std::printf("%-34s %6.2f  (target <= %.2f: %s)\n", what, ratio, limit, ok ? "met" : "MISSED");
        } else {
            std::printf("%-34s %6.2f  (no target)\n", what, ratio);
        }
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string_view(argv[1]) == kReadForPeakFlag) return ReadForPeak(argv[2]);

    std::string pattern = (std::filesystem::temp_directory_path() / "brindlewick-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        std::perror("mkdtemp");
        return 2;
    }
    const std::filesystem::path folder = pattern;
    gLargeFile = (folder / "large.ini").string();
    const std::string smallFile = (folder / "small.ini").string();
    if (!WriteMixedFile(gLargeFile, 64 * kMiB) || !WriteMixedFile(smallFile, 1 * kMiB)) {
        std::fprintf(stderr, "cannot write the files to read in %s\n", folder.c_str());
        std::filesystem::remove_all(folder);
        return 2;
    }

    // Interleaving the repetitions spreads any load from elsewhere over all
    // of them alike, which keeps the ratios fair on a shared machine.
    std::vector<char*> args(argv, argv + argc);
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    args.insert(args.begin() + 1, interleave);
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    Register();
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const long smallPeak = PeakKibReading(smallFile);
    const long largePeak = PeakKibReading(gLargeFile);
    std::filesystem::remove_all(folder);

    std::printf("\nRatios of median CPU time per run:\n");
    Verdict verdict;
    verdict.Ratio(reporter, "read 64 MiB, ours / fgets floor", "read_64MiB/LoadConfigFile", "read_64MiB/fgets_floor", 2.0);
    verdict.Ratio(reporter, "read 64 MiB, ours / inih", "read_64MiB/LoadConfigFile", "read_64MiB/inih", 1.0);
    verdict.Ratio(reporter, "read 64 MiB, inih parser / inih", "read_64MiB/inih_parser_only", "read_64MiB/inih", 0);
    verdict.Ratio(reporter, "save, ours / fwrite of its bytes", "save/SaveConfigFile", "save/fwrite_floor", 0);
    if (smallPeak < 0 || largePeak < 0) {
        std::printf("peak memory                        not measured (child failed)\n");
        verdict.met = false;
    } else {
        const long delta = largePeak - smallPeak;
        const bool ok = delta <= 1024;
        verdict.met = verdict.met && ok;
        std::printf("peak memory, 64 MiB - 1 MiB        %ld KiB  (%ld KiB vs %ld KiB; target <= 1024 KiB: %s)\n",
                    delta, largePeak, smallPeak, ok ? "met" : "MISSED");
    }
    return verdict.met ? 0 : 1;
}
