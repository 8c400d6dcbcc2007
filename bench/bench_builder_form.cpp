// The query-builder form at work:
// - ticking "*" of a box of 500 rows that are all ticked: each of the 500
//   rows is unticked by the form and takes its grid column away, inside the
//   outer tick (the re-entrant path), before "*" gets its column;
// - ticking those 500 rows one by one again (500 columns appended);
// - filling the table list from an engine of 3,000 tables, with, as the
//   baseline in the same run, the same names put into a plain QListWidget.

#include "BenchSupport.h"

#include <schemakit/builder/SQLBldr.h>

#include <QListWidget>

#include <benchmark/benchmark.h>

#include <memory>

using namespace schemakit;
using schemakit::bench::FieldName;

namespace {

constexpr int kRows = 500;
constexpr int kTables = 3000;

struct TBigBox {
    std::unique_ptr<TSchemaDataEngine> Engine = std::make_unique<TSchemaDataEngine>();
    std::unique_ptr<TfrmZBSQLBuilder> Form = std::make_unique<TfrmZBSQLBuilder>();
    TSchemaItem* Box = nullptr;

    TBigBox()
    {
        Engine->OnGetSubItemList = [](QObject*, TSchemaItem*, TStringList& list) {
            for (int i = 0; i < kRows; ++i)
                list.Add(FieldName(7, i) + QString::number(i));
        };
        Form->SetDataEngine(Engine.get());
        Form->resize(900, 700);
        Form->show();
        Box = AddNewItem(Form->SchemaDesignArea, QStringLiteral("big"), nullptr, 10, 10);
    }
    void TickEveryRow()
    {
        for (int i = 1; i < Box->GetSubItemCount(); ++i)
            Box->GetSubItem(i)->SetChecked(true);
    }
};

void BM_TickAllOverTickedRows(benchmark::State& state)
{
    TBigBox big;
    for (auto _ : state) {
        state.PauseTiming();
        big.TickEveryRow();
        if (big.Form->sgColumnGrid->ColCount() != kRows + 1)
            state.SkipWithError("the rows did not get their columns");
        state.ResumeTiming();
        big.Box->GetSubItem(0)->SetChecked(true);
    }
    if (big.Form->sgColumnGrid->ColCount() != 2)
        state.SkipWithError("the columns did not go");
}

void BM_TickRowsOneByOne(benchmark::State& state)
{
    TBigBox big;
    for (auto _ : state) {
        state.PauseTiming();
        big.Box->GetSubItem(0)->SetChecked(true);
        state.ResumeTiming();
        big.TickEveryRow();
    }
}

struct TManyTables {
    std::unique_ptr<TSchemaDataEngine> Engine = std::make_unique<TSchemaDataEngine>();
    QStringList Names;

    TManyTables()
    {
        for (int i = 0; i < kTables; ++i)
            Names << FieldName(i, 1 + i % 13) + QString::number(i);
        Engine->OnGetItemList = [this](QObject*, TStringList& list) {
            for (const QString& name : std::as_const(Names))
                list.Add(name);
        };
    }
};

void BM_FillTableList(benchmark::State& state)
{
    TManyTables tables;
    TfrmZBSQLBuilder form;
    form.show();
    for (auto _ : state) {
        form.SetDataEngine(tables.Engine.get());
        benchmark::DoNotOptimize(form.lbTables->Count());
        state.PauseTiming();
        form.SetDataEngine(nullptr);
        state.ResumeTiming();
    }
    if (form.lbTables->Count() != 0)
        state.SkipWithError("the list was not emptied");
}

void BM_FillPlainList(benchmark::State& state)
{
    TManyTables tables;
    QListWidget list;
    list.show();
    for (auto _ : state) {
        for (const QString& name : std::as_const(tables.Names))
            list.addItem(name);
        benchmark::DoNotOptimize(list.count());
        state.PauseTiming();
        list.clear();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_TickAllOverTickedRows)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_TickRowsOneByOne)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FillPlainList)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FillTableList)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv)
{
    return schemakit::bench::RunWidgetBenchmarks(argc, argv);
}
