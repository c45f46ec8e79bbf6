#include "bench/MedianReporter.h"

#include <unistd.h>

// Colours only on a terminal, so that a saved report stays plain text.
MedianReporter::MedianReporter()
    : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) {}

void MedianReporter::ReportRuns(const std::vector<Run>& runs) {
    for (const Run& run : runs) {
        if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
            // Adjusted times are in the benchmark's display unit; keep ns.
            const double perUnit = benchmark::GetTimeUnitMultiplier(run.time_unit);
            medians_[run.run_name.function_name] = run.GetAdjustedCPUTime() / perUnit * 1e9;
        }
    }
    ConsoleReporter::ReportRuns(runs);
}

std::optional<double> MedianReporter::MedianNs(const std::string& name) const {
    const auto found = medians_.find(name);
    if (found == medians_.end()) return std::nullopt;
    return found->second;
}
