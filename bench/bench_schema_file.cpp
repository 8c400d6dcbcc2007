// The schema file, offscreen, all in one run, on a diagram of 1,000 check-list
// boxes of 20 rows with 1,500 links (about 3.2 MB of text):
//
//  - saving it (SaveToStream into memory);
//  - loading it into a pane on screen (LoadFromStream: clearing the old diagram,
//    reading, and building every box, row and link through the pane);
//  - the text side of loading alone: decoding, indexing and looking up every
//    section and value a load looks up, without making widgets;
//  - as the baseline, reading the same bytes' lines into a QStringList;
//  - for scale, building the same diagram in that pane through the pane's own
//    operations, without a file.
//
// The ratios are printed after the runs.

#include "BenchSupport.h"

#include <schemakit/diagram/SchemaFile.h>
#include <schemakit/diagram/SchmCntr.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSet>
#include <QStringList>
#include <QTextStream>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

using namespace schemakit;
using schemakit::bench::FieldName;
using schemakit::bench::Numbers;

namespace {

constexpr int kBoxes = 1000;
constexpr int kRows = 20;
constexpr int kLinks = 1500;
constexpr int kColumns = 40;

std::unique_ptr<TSchemaDesignArea> NewPane()
{
    auto pane = std::make_unique<TSchemaDesignArea>();
    pane->resize(1920, 1080);
    return pane;
}

void Fill(TSchemaDesignArea& pane)
{
    std::vector<TSchemaItem*> boxes;
    for (int b = 0; b < kBoxes; ++b) {
        TSchemaItem* box = pane.AddItem(QStringLiteral("table_%1").arg(b), scCheckListBox);
        for (int r = 0; r < kRows; ++r)
            box->AddSubItem(FieldName(b, r), -1, r == 0);
        box->RecalculateHeight();
        box->RecalculateWidth();
        box->move((b % kColumns) * 180, (b / kColumns) * 400);
        boxes.push_back(box);
    }
    // Two rows, either way round, are linked at most once.
    QSet<quint64> taken;
    Numbers numbers(20240611u);
    for (int made = 0; made < kLinks;) {
        const int b1 = numbers.Below(kBoxes), b2 = numbers.Below(kBoxes);
        const int r1 = numbers.Below(kRows), r2 = numbers.Below(kRows);
        const quint64 a = quint64(b1) << 16 | quint64(r1), c = quint64(b2) << 16 | quint64(r2);
        const quint64 key = a < c ? a << 32 | c : c << 32 | a;
        if (b1 == b2 || taken.contains(key))
            continue;
        taken.insert(key);
        pane.AddRelation(boxes[size_t(b1)], boxes[size_t(b2)], boxes[size_t(b1)]->GetSubItem(r1),
                         boxes[size_t(b2)]->GetSubItem(r2));
        ++made;
    }
}

// The diagram and its file, made once for all benchmarks.
struct Fixture {
    std::unique_ptr<TSchemaDesignArea> source;
    std::unique_ptr<TSchemaDesignArea> target; // shown, as a window a file is opened into
    QByteArray file;
};

Fixture& Shared()
{
    static Fixture f = [] {
        Fixture r;
        r.source = NewPane();
        r.source->BeginUpdate();
        Fill(*r.source);
        r.source->EndUpdate();
        QBuffer buffer(&r.file);
        buffer.open(QIODevice::WriteOnly);
        r.source->SaveToStream(buffer);
        r.target = NewPane();
        r.target->show();
        QCoreApplication::processEvents();
        return r;
    }();
    return f;
}

void Drop()
{
    Fixture& f = Shared();
    f.source.reset();
    f.target.reset();
}

void BM_SaveSchema(benchmark::State& state)
{
    const TSchemaDesignArea& pane = *Shared().source;
    qint64 bytes = 0;
    for (auto _ : state) {
        QByteArray out;
        QBuffer buffer(&out);
        buffer.open(QIODevice::WriteOnly);
        pane.SaveToStream(buffer);
        bytes = out.size();
    }
    state.counters["MB"] = double(bytes) / 1e6;
}

void BM_LoadSchema(benchmark::State& state)
{
    Fixture& f = Shared();
    double settleMs = 0;
    for (auto _ : state) {
        QBuffer buffer(&f.file);
        buffer.open(QIODevice::ReadOnly);
        f.target->LoadFromStream(buffer);
        state.PauseTiming();
        QElapsedTimer clock;
        clock.start();
        QCoreApplication::processEvents();
        settleMs += double(clock.nsecsElapsed()) / 1e6;
        state.ResumeTiming();
    }
    if (f.target->GetItemCount() != kBoxes || f.target->GetRelationCount() != kLinks)
        state.SkipWithError("the file did not come back whole");
    state.counters["paint_ms"] = settleMs / double(std::max<benchmark::IterationCount>(state.iterations(), 1));
}

void BM_BuildPane(benchmark::State& state)
{
    Fixture& f = Shared();
    for (auto _ : state) {
        f.target->BeginUpdate();
        f.target->ClearAll();
        Fill(*f.target);
        f.target->EndUpdate();
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

// What LoadFromStream asks of the text, in its order, without the widgets.
void BM_ReadSchemaText(benchmark::State& state)
{
    const QByteArray& file = Shared().file;
    for (auto _ : state) {
        const SchemaFile::TReader reader(file);
        const SchemaFile::TSection whole = reader.Whole();
        const int boxes = whole.IntDef(u"ItemCount", 0);
        const int links = whole.IntDef(u"RelCount", 0);
        qint64 sum = 0;
        for (int i = 1; i <= boxes; ++i) {
            const SchemaFile::TSection box = reader.Section(i, -1, -1);
            sum += box.Text(u"Caption").size() + box.Int(u"ControlType") + box.IntDef(u"Left", 0) +
                   box.Text(u"Font").size();
            const int rows = box.IntDef(u"SubItems", 0);
            for (int j = 1; j <= rows; ++j) {
                const SchemaFile::TSection row = reader.Section(i, j, -1);
                sum += row.Text(u"Caption").size() + row.Int(u"Index") + row.Int(u"StateIndex") + row.Bool(u"Linked");
            }
        }
        for (int r = 1; r <= links; ++r) {
            const SchemaFile::TSection link = reader.Section(-1, -1, r);
            sum += link.Text(u"ParentItem").size() + link.Int(u"ChildSubItem") + link.Int(u"RelationType");
        }
        benchmark::DoNotOptimize(sum);
    }
}

// The baseline: the file's lines, decoded, in a QStringList.
void BM_ReadLines(benchmark::State& state)
{
    QByteArray file = Shared().file;
    for (auto _ : state) {
        QBuffer buffer(&file);
        buffer.open(QIODevice::ReadOnly);
        QTextStream in(&buffer);
        QStringList lines;
        QString line;
        while (in.readLineInto(&line))
            lines.append(line);
        benchmark::DoNotOptimize(lines.size());
    }
}

class RatioReporter : public bench::FigureReporter {
public:
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        const double base = Figure("BM_ReadLines");
        std::printf("\n%-52s %10.3f ms\n", "baseline: lines into a QStringList", base);
        for (const auto& [name, what] :
             {std::pair{"BM_SaveSchema", "save"}, std::pair{"BM_LoadSchema", "load into a shown pane"},
              std::pair{"BM_ReadSchemaText", "load's text work alone"}}) {
            const double t = Figure(name);
            if (t > 0 && base > 0)
                std::printf("%-52s %10.3f ms %8.2f x baseline\n", what, t, t / base);
        }
        const double build = Figure("BM_BuildPane");
        if (build > 0 && Figure("BM_LoadSchema") > 0)
            std::printf("%-52s %10.3f ms, load / build %.2f\n", "building the same diagram without a file", build,
                        Figure("BM_LoadSchema") / build);
    }

};

} // namespace

BENCHMARK(BM_ReadLines)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadSchemaText)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SaveSchema)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LoadSchema)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);
BENCHMARK(BM_BuildPane)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

int main(int argc, char** argv)
{
    RatioReporter reporter;
    return bench::RunWidgetBenchmarks(argc, argv, &reporter, [] { Drop(); });
}
