#pragma once

// What the widget benchmarks share: field names as a large schema has them, a
// reporter that keeps the figures for comparisons printed at the end, and a main
// that runs them offscreen inside a QApplication.

#include <QApplication>
#include <QString>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <functional>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include <unistd.h>

namespace schemakit::bench {

// A key first, then names built from a few hundred words, so that names repeat
// across tables without all being equal (text-width caches are not flattered).
inline QString FieldName(int table, int row)
{
    static const char* const subjects[] = {"customer", "order",  "product",  "supplier", "invoice",  "account",
                                           "address",  "region", "employee", "payment",  "shipment", "category",
                                           "price",    "stock",  "contract", "project",  "task",     "user"};
    static const char* const suffixes[] = {"_id",         "_name",       "_code", "_date", "_total",  "_count",
                                           "_status",     "_note",       "_type", "_ref",  "_amount", "_flag",
                                           "_created_at", "_updated_at", "_rank", "_owner"};
    if (row == 0)
        return QStringLiteral("table_%1_id").arg(table);
    const int n = table * 31 + row * 7;
    return QLatin1String(subjects[n % std::size(subjects)]) + QLatin1String(suffixes[(n / 3) % std::size(suffixes)]);
}

// The same numbers on every run.
class Numbers {
public:
    explicit Numbers(std::uint32_t seed) : FState(seed) {}
    int Below(int n)
    {
        FState = FState * 1664525u + 1013904223u;
        return int((FState >> 8) % std::uint32_t(n));
    }

private:
    std::uint32_t FState;
};

// A console reporter (tabular when its output is not a terminal) that keeps one
// figure per benchmark for the comparisons a program prints in Finalize: the
// median with --benchmark_repetitions, else the single run. The time is kept in
// milliseconds under Key(run), each user counter under "<key>:<counter>".
class FigureReporter : public benchmark::ConsoleReporter {
public:
    FigureReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type != Run::RT_Iteration && !median)
                continue;
            const std::string name = Key(run);
            if (!median && FMedian[name])
                continue;
            FMedian[name] = FMedian[name] || median;
            FFigures[name] = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e3;
            for (const auto& [counter, value] : run.counters)
                FFigures[name + ':' + counter] = value.value;
        }
        ConsoleReporter::ReportRuns(runs);
    }

protected:
    // The name a run's figures are kept under: its function name by default.
    virtual std::string Key(const Run& run) const { return run.run_name.function_name; }

    bool HasFigure(const std::string& name) const { return FFigures.count(name) != 0; }
    // The figure, or 0 when that benchmark did not run.
    double Figure(const std::string& name) const
    {
        const auto found = FFigures.find(name);
        return found == FFigures.end() ? 0 : found->second;
    }

private:
    std::map<std::string, double> FFigures;
    std::map<std::string, bool> FMedian;
};

// Runs the registered benchmarks offscreen; `beforeQuit` runs while the
// application still exists (for widgets a benchmark keeps between runs).
inline int RunWidgetBenchmarks(int argc, char** argv, benchmark::BenchmarkReporter* reporter = nullptr,
                               const std::function<void()>& beforeQuit = {})
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (reporter)
        benchmark::RunSpecifiedBenchmarks(reporter);
    else
        benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (beforeQuit)
        beforeQuit();
    return 0;
}

} // namespace schemakit::bench
