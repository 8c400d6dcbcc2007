// Building and painting a large diagram: 1,000 check-list boxes of 20 rows each,
// against the same number of plain Qt list widgets in a scroll area.
//
// Counters: rss_MB is the growth of resident memory while the diagram is alive.
// Run one benchmark per process (--benchmark_filter) to read peak memory too.

#include "BenchSupport.h"

#include <schemakit/diagram/SchmCntr.h>

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QScrollArea>
#include <QVBoxLayout>

#include <benchmark/benchmark.h>

#include <QElapsedTimer>

#include <memory>

#include <sys/resource.h>
#include <unistd.h>

using namespace schemakit;
using schemakit::bench::FieldName;

namespace {

constexpr int kBoxes = 1000;
constexpr int kRows = 20;
constexpr int kColumns = 40;
const QSize kView(1920, 1080);

double ResidentMB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0) : 0;
}

double PeakMB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

// Runs build() then paints what it built, the way a window's first show does;
// freeing the widgets is left out of the time.
template <typename Build>
void MeasureBuildAndPaint(benchmark::State& state, Build build)
{
    double grown = -1, buildMs = 0, paintMs = 0;
    for (auto _ : state) {
        const double before = ResidentMB();
        QElapsedTimer clock;
        clock.start();
        auto top = build();
        buildMs += clock.nsecsElapsed() / 1e6;
        clock.restart();
        top->show();
        QCoreApplication::sendPostedEvents();
        QImage image = top->grab().toImage();
        benchmark::DoNotOptimize(image.bits());
        paintMs += clock.nsecsElapsed() / 1e6;
        // Resident growth is only meaningful the first time: later rounds reuse
        // the memory the allocator kept.
        if (grown < 0)
            grown = ResidentMB() - before;
        state.PauseTiming();
        top.reset();
        QCoreApplication::sendPostedEvents();
        state.ResumeTiming();
    }
    state.counters["build_ms"] = buildMs / double(state.iterations());
    state.counters["paint_ms"] = paintMs / double(state.iterations());
    state.counters["rss_MB"] = grown;
    state.counters["peak_MB"] = PeakMB();
}

void BM_SchemaPane(benchmark::State& state)
{
    MeasureBuildAndPaint(state, [] {
        auto owner = std::make_unique<TSchemaDesignArea>();
        TSchemaDesignArea& pane = *owner;
        pane.resize(kView);
        pane.BeginUpdate();
        for (int b = 0; b < kBoxes; ++b) {
            TSchemaItem* box = pane.AddItem(QStringLiteral("table_%1").arg(b), scCheckListBox);
            for (int r = 0; r < kRows; ++r)
                box->AddSubItem(FieldName(b, r), -1, r == 0);
            box->RecalculateHeight();
            box->RecalculateWidth();
            box->move((b % kColumns) * 180, (b / kColumns) * 400);
        }
        pane.EndUpdate();
        return owner;
    });
}

void BM_PlainQtWidgets(benchmark::State& state)
{
    MeasureBuildAndPaint(state, [] {
        auto owner = std::make_unique<QScrollArea>();
        QScrollArea& area = *owner;
        area.resize(kView);
        auto* content = new QWidget;
        content->resize(kColumns * 180, (kBoxes / kColumns) * 400);
        for (int b = 0; b < kBoxes; ++b) {
            auto* box = new QWidget(content);
            auto* layout = new QVBoxLayout(box);
            layout->setContentsMargins(4, 4, 4, 4);
            layout->setSpacing(0);
            layout->addWidget(new QLabel(QStringLiteral("table_%1").arg(b)));
            auto* list = new QListWidget;
            for (int r = 0; r < kRows; ++r) {
                auto* item = new QListWidgetItem(FieldName(b, r), list);
                item->setCheckState(r == 0 ? Qt::Checked : Qt::Unchecked);
            }
            layout->addWidget(list);
            box->setGeometry((b % kColumns) * 180, (b / kColumns) * 400, 170, 380);
        }
        area.setWidget(content);
        return owner;
    });
}

} // namespace

BENCHMARK(BM_PlainQtWidgets)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SchemaPane)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv)
{
    return bench::RunWidgetBenchmarks(argc, argv);
}
