// Listing a large database: 2,000 tables of 30 fields each in an SQLite file,
// once through TSchemaBDEDataEngine (FillItemList, then FillSubItemList for
// every table's box) and once directly with QSqlDatabase::tables() and
// record(), the baseline. The engine should add no more than 10% to it; the
// ratio is printed after the runs.
//
// Both run on connections of their own to the same file, warmed up before the
// timing, so neither pays for reading the schema the first time.

#include "BenchSupport.h"

#include <schemakit/diagram/SchmCntr.h>
#include <schemakit/engines/ZBDB.h>

#include <QApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <stdexcept>

#include <unistd.h>

using namespace schemakit;

namespace {

constexpr int kTables = 2000;
constexpr int kFields = 30;

QString DatabasePath()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString file = dir.filePath(QStringLiteral("wide.db"));
        const QString connection = QStringLiteral("bench-writer");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
            db.setDatabaseName(file);
            if (!db.open())
                throw std::runtime_error(db.lastError().text().toStdString());
            QSqlQuery query(db);
            db.transaction();
            for (int t = 0; t < kTables; ++t) {
                QString sql = QStringLiteral("CREATE TABLE table_%1 (table_%1_id INTEGER PRIMARY KEY").arg(t);
                for (int f = 1; f < kFields; ++f)
                    sql += QStringLiteral(", field_%1_%2 VARCHAR(40)").arg(t).arg(f);
                sql += u')';
                if (!query.exec(sql))
                    throw std::runtime_error(query.lastError().text().toStdString());
            }
            db.commit();
        }
        QSqlDatabase::removeDatabase(connection);
        return file;
    }();
    return path;
}

void BM_DirectListing(benchmark::State& state)
{
    const QString connection = QStringLiteral("bench-direct");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(DatabasePath());
        db.open();
        db.record(db.tables().value(0)); // warm up: the schema is read once per connection
        qsizetype fields = 0;
        for (auto _ : state) {
            const QStringList tables = db.tables();
            for (const QString& table : tables) {
                const QSqlRecord record = db.record(table);
                QStringList names;
                for (int i = 0; i < record.count(); ++i)
                    names << record.fieldName(i);
                fields += names.size();
            }
            benchmark::DoNotOptimize(fields);
        }
        if (fields != qsizetype(kTables) * kFields * state.iterations())
            state.SkipWithError("the direct listing missed fields");
    }
    QSqlDatabase::removeDatabase(connection);
}

void BM_EngineListing(benchmark::State& state)
{
    TSchemaBDEDataEngine engine;
    engine.SetDatabaseName(DatabasePath());
    TStringList tables;
    engine.FillItemList(tables); // warm up, and the boxes the fields are asked for
    auto pane = std::make_unique<TSchemaDesignArea>();
    QList<TSchemaItem*> boxes;
    for (int i = 0; i < tables.Count(); ++i)
        boxes << pane->AddItem(tables.Strings(i), scCheckListBox);

    qsizetype fields = 0;
    TStringList names;
    for (auto _ : state) {
        engine.FillItemList(tables);
        for (TSchemaItem* box : std::as_const(boxes)) {
            engine.FillSubItemList(box, names);
            fields += names.Count();
        }
        benchmark::DoNotOptimize(fields);
    }
    if (tables.Count() != kTables || fields != qsizetype(kTables) * kFields * state.iterations())
        state.SkipWithError("the engine missed tables or fields");
}

// Table names only, through a Pattern, over the same database: the default
// pattern, and a hostile one of 600 unclosed brackets. The hostile table name
// (600 brackets and a "z") sits in the list, so the mask is tried against the
// name it was built to be slow on. Both should cost about the same.
void EngineTableNames(benchmark::State& state, const QString& pattern)
{
    static const QString hostile = QString(600, u'[') + u'z';
    static const bool created = [] {
        TSchemaBDEDataEngine writer;
        writer.SetDatabaseName(DatabasePath());
        QSqlQuery(writer.Database())
            .exec(QStringLiteral("CREATE TABLE IF NOT EXISTS \"%1\" (id INTEGER)").arg(hostile));
        return true;
    }();
    benchmark::DoNotOptimize(created);
    TSchemaBDEDataEngine engine;
    engine.SetDatabaseName(DatabasePath());
    engine.SetPattern(pattern);
    TStringList tables;
    for (auto _ : state) {
        engine.FillItemList(tables);
        benchmark::DoNotOptimize(tables.Count());
    }
}

void BM_TableNamesDefaultPattern(benchmark::State& state)
{
    EngineTableNames(state, QStringLiteral("*.*"));
}

void BM_TableNamesBracketPattern(benchmark::State& state)
{
    EngineTableNames(state, u'*' + QString(600, u'[') + u'x');
}

// Prints the engine's time over the baseline's once both have run: the medians
// with --benchmark_repetitions, else the single runs.
class RatioReporter : public bench::FigureReporter {
public:
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        const double direct = Figure("BM_DirectListing");
        const double engine = Figure("BM_EngineListing");
        if (direct > 0 && engine > 0)
            std::printf("engine / direct listing: %.3f (%+.1f%%)\n", engine / direct, (engine / direct - 1) * 100);
    }
};

} // namespace

BENCHMARK(BM_DirectListing)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_EngineListing)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_TableNamesDefaultPattern)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_TableNamesBracketPattern)->Unit(benchmark::kMillisecond)->MinTime(1.0);

int main(int argc, char** argv)
{
    RatioReporter reporter;
    return bench::RunWidgetBenchmarks(argc, argv, &reporter);
}
