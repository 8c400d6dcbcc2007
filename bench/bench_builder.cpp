// Generating SQL for a large query: 300 boxes (some captions repeated, so
// aliases are needed), 400 links of every join kind, and 1,000 used grid
// columns with filters, sorts and aggregates. The baseline, in the same run, is
// concatenating as many field texts into one string: the least any generator
// has to do. The ratio is printed after the runs.

#include <schemakit/builder/SqlGeneration.h>
#include <schemakit/package/SchmCnst.h>

#include <QCoreApplication>
#include <QRandomGenerator>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

using namespace schemakit;

namespace {

constexpr int kBoxes = 300;
constexpr int kLinks = 400;
constexpr int kColumns = 1000;

TSQLSnapshot LargeSnapshot(TSQLSubType dialect)
{
    QRandomGenerator random(42);
    TSQLSnapshot s;
    s.Dialect = dialect;
    for (int b = 0; b < kBoxes; ++b)
        s.Boxes.append({quintptr(b + 1), QStringLiteral("table_%1").arg(b % 250), kLinks + b});
    auto field = [&](int box, int column) {
        return TSQLField{quintptr(box + 1), QStringLiteral("field_%1").arg(column), quintptr(box * 100 + column)};
    };
    for (int l = 0; l < kLinks; ++l) {
        const int parent = random.bounded(kBoxes);
        const int child = random.bounded(kBoxes);
        s.Links.append({field(parent, random.bounded(20)), field(child, random.bounded(20)),
                        TSDRelationOperator(random.bounded(6)), TSDRelationJoin(random.bounded(4))});
    }
    const QString aggregates[] = {QString(), strValueCOUNT.Text(), strValueSUM.Text(), strValueMAX.Text()};
    const QString sorts[] = {QString(), strSortASC.Text(), strSortDESC.Text()};
    for (int c = 0; c < kColumns; ++c) {
        TSQLColumn column;
        column.Field = field(c % kBoxes, c / kBoxes);
        column.Calculate = aggregates[c % 4];
        column.Sort = sorts[c % 3];
        if (c % 5 == 0)
            column.Where = QStringLiteral("field_%1 > %2").arg(c / kBoxes).arg(c);
        column.Grouping = c % 7 == 0 ? QStringLiteral("1") : QString();
        if (c % 14 == 0)
            column.Having = QStringLiteral("COUNT(*) > %1").arg(c);
        s.Columns.append(column);
    }
    return s;
}

void BM_ConcatenateFieldTexts(benchmark::State& state)
{
    const TSQLSnapshot s = LargeSnapshot(stStandard);
    for (auto _ : state) {
        QString text;
        for (const TSQLColumn& column : s.Columns) {
            text += QStringLiteral(", ");
            text += column.Field.Caption;
        }
        benchmark::DoNotOptimize(text.data());
    }
}

void BM_GenerateSQL(benchmark::State& state)
{
    const TSQLSnapshot s = LargeSnapshot(TSQLSubType(state.range(0)));
    qsizetype length = 0;
    for (auto _ : state) {
        const QString sql = GenerateSQL(s);
        length = sql.size();
        benchmark::DoNotOptimize(sql.data());
    }
    state.counters["chars"] = double(length);
}

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        // Single runs, or the medians when runs are repeated.
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration)
                FTimes[run.run_name.str()] = run.GetAdjustedRealTime();
            else if (run.aggregate_name == "median")
                FTimes[run.run_name.str()] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        const double base = FTimes["BM_ConcatenateFieldTexts"];
        for (const auto& [name, time] : FTimes) {
            if (name != "BM_ConcatenateFieldTexts" && base > 0)
                std::printf("%-40s %8.1f x the concatenation\n", name.c_str(), time / base);
        }
    }

private:
    std::map<std::string, double> FTimes;
};

} // namespace

BENCHMARK(BM_ConcatenateFieldTexts)->Unit(benchmark::kMicrosecond);
// stStandard, stLocal, stOracle, stMSSQL, stAnsi
BENCHMARK(BM_GenerateSQL)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
