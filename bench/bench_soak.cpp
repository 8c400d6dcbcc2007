// A long run of the pane: build 300 check-list boxes, paint them, clear the
// pane, a few hundred times over, as an application does that builds a new
// diagram for every query. Heap in use (malloc's own count) is read after the
// first round and after the last; a pane that keeps nothing of freed boxes
// stays flat. The baseline runs the same loop with plain QListWidgets on the
// same kind of viewport.
//
// Counters: heap_start_MB, heap_end_MB, bytes_per_box (growth over every box
// made after the first round).

#include "BenchSupport.h"

#include <schemakit/diagram/SchmCntr.h>

#include <QApplication>
#include <QListWidget>
#include <QScrollArea>

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <memory>

using namespace schemakit;

namespace {

constexpr int kBoxes = 300;
constexpr int kRows = 12;
constexpr int kRounds = 300;

double HeapInUseMB()
{
    return double(mallinfo2().uordblks) / (1024.0 * 1024.0);
}

void Paint(QWidget& top)
{
    QCoreApplication::sendPostedEvents();
    QImage image = top.grab().toImage();
    benchmark::DoNotOptimize(image.bits());
}

template <typename Round>
void Soak(benchmark::State& state, Round round)
{
    double start = 0, end = 0;
    for (auto _ : state) {
        for (int r = 0; r < kRounds; ++r) {
            round();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            if (r == 0) {
                malloc_trim(0);
                start = HeapInUseMB();
            }
        }
        malloc_trim(0);
        end = HeapInUseMB();
    }
    state.counters["heap_start_MB"] = start;
    state.counters["heap_end_MB"] = end;
    state.counters["bytes_per_box"] = (end - start) * 1024 * 1024 / double(kBoxes * (kRounds - 1));
}

void BM_SoakSchemaPane(benchmark::State& state)
{
    TSchemaDesignArea pane;
    pane.resize(1600, 1000);
    pane.show();
    Soak(state, [&] {
        for (int b = 0; b < kBoxes; ++b) {
            TSchemaItem* box = pane.AddItem(QStringLiteral("table_%1").arg(b), scCheckListBox);
            for (int row = 0; row < kRows; ++row)
                box->AddSubItem(QStringLiteral("field_%1").arg(row), -1, row == 0);
            box->RecalculateHeight();
            box->RecalculateWidth();
            box->move((b % 20) * 80, (b / 20) * 60);
        }
        Paint(pane);
        pane.ClearAll();
    });
}

void BM_SoakPlainListWidgets(benchmark::State& state)
{
    QScrollArea area;
    area.resize(1600, 1000);
    area.show();
    QWidget* viewport = area.viewport();
    Soak(state, [&] {
        for (int b = 0; b < kBoxes; ++b) {
            auto* list = new QListWidget(viewport);
            for (int row = 0; row < kRows; ++row) {
                auto* item = new QListWidgetItem(QStringLiteral("field_%1").arg(row), list);
                item->setCheckState(row == 0 ? Qt::Checked : Qt::Unchecked);
            }
            list->setGeometry((b % 20) * 80, (b / 20) * 60, 150, 200);
            list->show();
        }
        Paint(area);
        qDeleteAll(viewport->findChildren<QListWidget*>(Qt::FindDirectChildrenOnly));
    });
}

} // namespace

BENCHMARK(BM_SoakPlainListWidgets)->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(BM_SoakSchemaPane)->Unit(benchmark::kSecond)->Iterations(1);

int main(int argc, char** argv)
{
    return bench::RunWidgetBenchmarks(argc, argv);
}
