#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

// The console report, keeping each benchmark's median CPU time per
// iteration so that the run can end with ratios between them.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    MedianReporter();
    void ReportRuns(const std::vector<Run>& runs) override;

    // Nanoseconds per iteration; empty when the benchmark did not run.
    std::optional<double> MedianNs(const std::string& name) const;

private:
    std::map<std::string, double> medians_;
};
