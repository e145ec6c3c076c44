#pragma once
// The console report that also keeps each benchmark's median (by function
// name), for the summary a bench prints at the end.
#include <benchmark/benchmark.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

class MedianReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& r : runs)
            if (r.run_type == Run::RT_Aggregate && r.aggregate_name == "median")
                medians_[r.run_name.function_name] = r.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    const std::map<std::string, double>& medians() const { return medians_; }

private:
    std::map<std::string, double> medians_;
};

// Runs the registered benchmarks, then hands their medians to the summary.
inline int runWithMedians(const std::function<void(const std::map<std::string, double>&)>& summary)
{
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    summary(reporter.medians());
    benchmark::Shutdown();
    return 0;
}
