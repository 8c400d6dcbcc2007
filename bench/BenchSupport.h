#pragma once

// What the widget benchmarks share: field names as a large schema has them, and
// a main that runs them offscreen inside a QApplication.

#include <QApplication>
#include <QString>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <functional>
#include <iterator>

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
