// The query builder on a real SQLite database:
//
// - opening TSQLBuilderDialog on a statement over 40 of 3,000 tables (30 fields
//   each): Execute up to its modal answer (parse, window, table list of 3,000
//   names, 40 boxes of 31 rows, ticks, grid columns), and as the counter
//   whole_ms the whole Execute with the window freed. The baseline, in the same
//   run, reads the table list and the 40 tables' fields straight through
//   QSqlDatabase, which is what the builder has to ask the database for;
// - the Results page on a table of 1,000,000 rows: the time from running
//   "SELECT * FROM big" to the first rows painted, then scrolling to the end as
//   a person would (the scroll bar to its end, again and again, until no row is
//   left to fetch), with the resident memory before, at the first rows and at
//   the end. The baseline is the same statement in a plain QSqlQueryModel
//   shown by a plain QTableView.
//
// The databases are made once and kept in the temporary folder
// (schemakit-bench/); delete them to have them made again. The ratios and the
// memory figures are printed after the runs: the medians with
// --benchmark_repetitions, else the single runs.

#include "BenchSupport.h"

#include <schemakit/builder/SQLBuilderDialog.h>
#include <schemakit/builder/SQLBuilderForm.h>
#include <schemakit/diagram/SchemaDesignArea.h>
#include <schemakit/diagram/SchemaItem.h>
#include <schemakit/diagram/SchemaSubItem.h>
#include <schemakit/engines/SchemaBDEDataEngine.h>
#include <schemakit/package/DialogService.h>
#include <schemakit/package/StringList.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QScrollBar>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>

#include <unistd.h>
#ifdef __GLIBC__
#include <malloc.h>
#endif

using namespace schemakit;

namespace {

constexpr int kTables = 3000;
constexpr int kFields = 30;
constexpr int kStatementTables = 40;
constexpr int kBigRows = 1'000'000;
const QSize kFormSize(1000, 700);

// --- the databases ----------------------------------------------------------------------

void Exec(QSqlQuery& query, const QString& sql)
{
    if (!query.exec(sql))
        throw std::runtime_error(query.lastError().text().toStdString());
}

// The SQLite file `name` in the temporary folder, made by `fill` the first
// time. It is written under another name and renamed when complete, so a run
// that was stopped half-way never leaves a file that looks finished.
QString CachedDatabase(const QString& name, const std::function<void(QSqlDatabase&)>& fill)
{
    const QDir dir(QDir::temp().filePath(QStringLiteral("schemakit-bench")));
    const QString path = dir.filePath(name);
    if (QFile::exists(path))
        return path;
    if (!dir.mkpath(QStringLiteral(".")))
        throw std::runtime_error("cannot make the folder of the benchmark databases");
    const QString unfinished = path + QStringLiteral(".unfinished");
    QFile::remove(unfinished);
    const QString connection = QStringLiteral("bench-writer");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(unfinished);
        if (!db.open())
            throw std::runtime_error(db.lastError().text().toStdString());
        db.transaction();
        fill(db);
        if (!db.commit())
            throw std::runtime_error(db.lastError().text().toStdString());
        db.close();
    }
    QSqlDatabase::removeDatabase(connection);
    if (!QFile::rename(unfinished, path))
        throw std::runtime_error("cannot rename the benchmark database");
    return path;
}

QString TableName(int table)
{
    return QStringLiteral("t%1").arg(table, 4, 10, QLatin1Char('0'));
}

QString FieldName(int field)
{
    return QStringLiteral("f%1").arg(field, 2, 10, QLatin1Char('0'));
}

// 3,000 tables t0001..t3000 of 30 fields f01..f30 of mixed types.
const QString& WideDatabase()
{
    static const QString path = CachedDatabase(QStringLiteral("tables-3000x30.db"), [](QSqlDatabase& db) {
        static const char* const types[] = {"VARCHAR(40)", "REAL",      "DATE",    "NUMERIC(12,2)", "TEXT",
                                            "BOOLEAN",     "TIMESTAMP", "BLOB",    "CHAR(10)",      "INTEGER",
                                            "SMALLINT",    "DOUBLE",    "VARCHAR(200)", "TIME"};
        QSqlQuery query(db);
        for (int t = 1; t <= kTables; ++t) {
            QString sql = QStringLiteral("CREATE TABLE %1 (f01 INTEGER PRIMARY KEY").arg(TableName(t));
            for (int f = 2; f <= kFields; ++f)
                sql += QStringLiteral(", %1 %2").arg(FieldName(f), QLatin1String(types[(t + f) % std::size(types)]));
            sql += u')';
            Exec(query, sql);
        }
    });
    return path;
}

// The statement the builder opens on: 40 tables spread over the 3,000, every
// other one with two qualified fields in the select list.
struct TStatement {
    QString Text;
    QStringList Tables;
    int Fields = 0;
};

const TStatement& WideStatement()
{
    static const TStatement statement = [] {
        TStatement result;
        QStringList fields;
        for (int i = 0; i < kStatementTables; ++i) {
            const QString table = TableName(1 + i * (kTables / kStatementTables) + i % 7);
            result.Tables << table;
            fields << table + u'.' + FieldName(1 + (i * 7) % kFields);
            if (i % 2)
                fields << table + u'.' + FieldName(1 + (i * 7 + 13) % kFields);
        }
        result.Fields = int(fields.size());
        result.Text = QStringLiteral("SELECT ") + fields.join(QStringLiteral(", ")) + QStringLiteral(" FROM ") +
                      result.Tables.join(QStringLiteral(", "));
        return result;
    }();
    return statement;
}

// One table "big" of 1,000,000 rows: a key, a text, a real and a date as text.
const QString& BigDatabase()
{
    static const QString path = CachedDatabase(QStringLiteral("rows-1000000.db"), [](QSqlDatabase& db) {
        QSqlQuery query(db);
        Exec(query, QStringLiteral("CREATE TABLE big (id INTEGER PRIMARY KEY, name TEXT, amount REAL, created TEXT)"));
        Exec(query, QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                                   "INSERT INTO big (id, name, amount, created) "
                                   "SELECT i, 'customer ' || printf('%07d', (i * 7919) % 1000003) || ' account', "
                                   "(i % 100000) * 0.37, "
                                   "date('2000-01-01', '+' || (i % 9000) || ' days') || ' 12:' || "
                                   "printf('%02d', i % 60) FROM n")
                            .arg(kBigRows));
    });
    return path;
}

// --- memory -----------------------------------------------------------------------------

// VmRSS from /proc/self/status, in MB.
double ResidentMB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    // A /proc file has no size: read it whole rather than up to its "end".
    const QList<QByteArray> lines = status.readAll().split('\n');
    for (const QByteArray& line : lines) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).simplified().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0;
}

// Gives the memory freed by earlier runs back, so that "before" is not
// flattered or burdened by what the allocator kept from them.
void ReleaseFreedMemory()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

// --- opening the builder ----------------------------------------------------------------

// Installs a scripted dialog service for as long as it lives.
class TScriptedDialogs {
public:
    TScriptedDialogs()
    {
        auto service = std::make_unique<TScriptedDialogService>();
        FService = service.get();
        FPrevious = SetDialogService(std::move(service));
    }
    ~TScriptedDialogs() { SetDialogService(std::move(FPrevious)); }
    TScriptedDialogService& operator*() const { return *FService; }
    TScriptedDialogService* operator->() const { return FService; }

private:
    TScriptedDialogService* FService = nullptr;
    std::unique_ptr<TDialogService> FPrevious;
};

// Whether the window the builder made shows what the statement asks for.
bool BuilderShowsStatement(TfrmZBSQLBuilder& form, const TStatement& statement)
{
    if (form.lbTables->Count() != kTables)
        return false;
    TSchemaDesignArea* pane = form.SchemaDesignArea;
    if (pane->GetItemCount() != int(statement.Tables.size()))
        return false;
    int ticked = 0;
    for (int i = 0; i < pane->GetItemCount(); ++i) {
        TSchemaItem* box = pane->GetItem(i);
        if (box->GetSubItemCount() != kFields + 1)
            return false;
        for (int row = 0; row < box->GetSubItemCount(); ++row)
            ticked += box->GetSubItem(row)->Checked() ? 1 : 0;
    }
    return ticked == statement.Fields && form.sgColumnGrid->ColCount() == statement.Fields + 1;
}

void BM_OpenBuilder(benchmark::State& state)
{
    const TStatement& statement = WideStatement();
    TSchemaBDEDataEngine engine;
    engine.SetDatabaseName(WideDatabase());
    {
        TStringList warm; // opens the connection and reads the schema once
        engine.FillItemList(warm);
    }
    TScriptedDialogs dialogs;
    TSQLBuilderDialog dialog;
    dialog.SetDataEngine(&engine);
    dialog.SetSQL(statement.Text);

    QElapsedTimer clock;
    qint64 toAnswer = 0;
    qint64 checking = 0;
    double wholeMs = 0;
    bool shown = true;
    for (auto _ : state) {
        dialogs->Reset();
        dialogs->ModalAnswers.push_back([&](QDialog& form) {
            toAnswer = clock.nsecsElapsed();
            shown = shown && BuilderShowsStatement(static_cast<TfrmZBSQLBuilder&>(form), statement);
            checking = clock.nsecsElapsed() - toAnswer;
            return int(QDialog::Rejected);
        });
        toAnswer = -1;
        clock.start();
        const bool accepted = dialog.Execute();
        const qint64 whole = clock.nsecsElapsed();
        if (accepted || toAnswer < 0) {
            state.SkipWithError("the builder did not reach its modal answer");
            break;
        }
        state.SetIterationTime(double(toAnswer) / 1e9);
        wholeMs += double(whole - checking) / 1e6;
        QCoreApplication::sendPostedEvents();
    }
    if (!shown)
        state.SkipWithError("the builder did not show the statement's tables, rows and ticks");
    state.counters["whole_ms"] = wholeMs / double(std::max<benchmark::IterationCount>(state.iterations(), 1));
}

// What the builder asks the database for, asked directly: the table list, and
// the fields of the 40 tables.
void BM_ReadSchemaDirect(benchmark::State& state)
{
    const TStatement& statement = WideStatement();
    const QString connection = QStringLiteral("bench-direct");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(WideDatabase());
        if (!db.open())
            state.SkipWithError("the database did not open");
        db.record(db.tables().value(0)); // the schema is read once per connection
        qsizetype tables = 0;
        qsizetype fields = 0;
        for (auto _ : state) {
            const QStringList names = db.tables();
            tables += names.size();
            for (const QString& table : statement.Tables) {
                const QSqlRecord record = db.record(table);
                QStringList fieldNames;
                for (int i = 0; i < record.count(); ++i)
                    fieldNames << record.fieldName(i);
                fields += fieldNames.size();
            }
            benchmark::DoNotOptimize(fields);
        }
        if (tables != qsizetype(kTables) * state.iterations() ||
            fields != qsizetype(kStatementTables) * kFields * state.iterations())
            state.SkipWithError("the direct reads missed tables or fields");
    }
    QSqlDatabase::removeDatabase(connection);
}

// --- the Results page -------------------------------------------------------------------

const QString kSelectBig = QStringLiteral("SELECT * FROM big");

class TPaintCounter : public QObject {
public:
    int Paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++Paints;
        return false;
    }
};

// A view of the rows of "SELECT * FROM big" and the way its statement is run.
class TRowsView {
public:
    virtual ~TRowsView() = default;
    virtual QTableView* View() const = 0;
    virtual void Execute() = 0;
    QAbstractItemModel* Model() const { return View()->model(); }
};

// The builder's Results page, run as the toolbar's Execute button does.
class TBuilderRows : public TRowsView {
public:
    TBuilderRows()
    {
        FEngine.SetDatabaseName(BigDatabase());
        FForm.SetDataEngine(&FEngine); // opens the connection and lists the table
        FForm.resize(kFormSize);
        FForm.show();
        QCoreApplication::processEvents();
    }
    QTableView* View() const override { return FForm.DBGrid1; }
    void Execute() override
    {
        FForm.SetSQLText(kSelectBig);
        FForm.btnExecSQLClick(nullptr);
    }

private:
    TSchemaBDEDataEngine FEngine;
    TfrmZBSQLBuilder FForm;
};

// The baseline: a plain QSqlQueryModel in a plain QTableView of the size the
// builder's grid has.
class TPlainRows : public TRowsView {
public:
    TPlainRows()
    {
        FDatabase = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), Connection());
        FDatabase.setDatabaseName(BigDatabase());
        FDatabase.open();
        FDatabase.record(QStringLiteral("big")); // the schema is read once per connection
        FModel = std::make_unique<QSqlQueryModel>();
        FView = std::make_unique<QTableView>();
        FView->setModel(FModel.get());
        FView->resize(GridSize());
        FView->show();
        QCoreApplication::processEvents();
    }
    ~TPlainRows() override
    {
        FView.reset();
        FModel.reset();
        FDatabase = QSqlDatabase();
        QSqlDatabase::removeDatabase(Connection());
    }
    QTableView* View() const override { return FView.get(); }
    void Execute() override { FModel->setQuery(kSelectBig, FDatabase); }

    // The size of the builder's grid on its Results page, in a window of
    // kFormSize.
    static QSize GridSize()
    {
        static const QSize size = [] {
            TfrmZBSQLBuilder form;
            form.resize(kFormSize);
            form.show();
            form.pcSQL->setCurrentWidget(form.tsResults);
            QCoreApplication::processEvents();
            return form.DBGrid1->size();
        }();
        return size;
    }

private:
    static QString Connection() { return QStringLiteral("bench-plain-rows"); }
    QSqlDatabase FDatabase;
    std::unique_ptr<QSqlQueryModel> FModel;
    std::unique_ptr<QTableView> FView;
};

// Runs the statement and waits until the first rows are there and the view
// has painted them; false when either never happens.
bool ShowFirstRows(TRowsView& rows, const TPaintCounter& paints)
{
    const int before = paints.Paints;
    rows.Execute();
    if (!rows.Model() || rows.Model()->rowCount() == 0)
        return false;
    for (int round = 0; round < 100 && paints.Paints == before; ++round)
        QCoreApplication::processEvents();
    return paints.Paints > before;
}

// Drags the scroll bar to its end, as often as it takes for the view to fetch
// every row; false when fetching stops making progress.
bool ScrollToEnd(TRowsView& rows)
{
    QAbstractItemModel* model = rows.Model();
    QScrollBar* bar = rows.View()->verticalScrollBar();
    int still = 0;
    while (model->canFetchMore(QModelIndex())) {
        const int count = model->rowCount();
        bar->setValue(bar->maximum());
        QCoreApplication::processEvents();
        still = model->rowCount() == count ? still + 1 : 0;
        if (still > 1000)
            return false;
    }
    bar->setValue(bar->maximum());
    QCoreApplication::processEvents();
    return model->rowCount() == kBigRows;
}

template <typename TView>
void FirstRows(benchmark::State& state)
{
    TView rows;
    TPaintCounter paints;
    rows.View()->viewport()->installEventFilter(&paints);
    QElapsedTimer clock;
    for (auto _ : state) {
        clock.start();
        if (!ShowFirstRows(rows, paints)) {
            state.SkipWithError("no rows were painted");
            break;
        }
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
    }
}

// One pass per run: first rows, then the scroll to the end. The time is the
// scroll; first_ms and the resident memory (MB) at each step are counters.
template <typename TView>
void ScrollRows(benchmark::State& state)
{
    ReleaseFreedMemory();
    QElapsedTimer clock;
    for (auto _ : state) {
        auto rows = std::make_unique<TView>();
        TPaintCounter paints;
        rows->View()->viewport()->installEventFilter(&paints);
        const double before = ResidentMB();
        clock.start();
        if (!ShowFirstRows(*rows, paints)) {
            state.SkipWithError("no rows were painted");
            break;
        }
        const double firstMs = double(clock.nsecsElapsed()) / 1e6;
        const double atFirst = ResidentMB();
        clock.start();
        if (!ScrollToEnd(*rows)) {
            state.SkipWithError("the view did not reach the last row");
            break;
        }
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
        const double atEnd = ResidentMB();
        state.counters["first_ms"] = firstMs;
        state.counters["rss_before_MB"] = before;
        state.counters["rss_first_MB"] = atFirst;
        state.counters["rss_end_MB"] = atEnd;
        state.counters["paints"] = paints.Paints;
        rows.reset();
        ReleaseFreedMemory();
    }
}

void BM_BuilderFirstRows(benchmark::State& state)
{
    FirstRows<TBuilderRows>(state);
}

void BM_PlainFirstRows(benchmark::State& state)
{
    FirstRows<TPlainRows>(state);
}

void BM_BuilderScrollToEnd(benchmark::State& state)
{
    ScrollRows<TBuilderRows>(state);
}

void BM_PlainScrollToEnd(benchmark::State& state)
{
    ScrollRows<TPlainRows>(state);
}

// --- the figures ------------------------------------------------------------------------

class RatioReporter : public bench::FigureReporter {
public:
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\n");
        Value("builder on 40 of 3,000 tables, to the modal answer (ms)", "BM_OpenBuilder");
        Value("builder on 40 of 3,000 tables, whole Execute (ms)", "BM_OpenBuilder:whole_ms");
        Value("table list and 40 tables' fields, directly (ms)", "BM_ReadSchemaDirect");
        Ratio("builder to the modal answer / direct reads", "BM_OpenBuilder", "BM_ReadSchemaDirect");
        Ratio("whole Execute / direct reads", "BM_OpenBuilder:whole_ms", "BM_ReadSchemaDirect");
        Value("first rows painted, builder (ms)", "BM_BuilderFirstRows");
        Value("first rows painted, plain view (ms)", "BM_PlainFirstRows");
        Ratio("first rows, builder / plain view", "BM_BuilderFirstRows", "BM_PlainFirstRows");
        for (const char* which : {"Builder", "Plain"}) {
            const std::string name = std::string("BM_") + which + "ScrollToEnd";
            const std::string who = which[0] == 'B' ? "builder" : "plain view";
            Value(("scroll to the end, " + who + " (ms)").c_str(), name);
            Value(("first rows before the scroll, " + who + " (ms)").c_str(), name + ":first_ms");
            Value(("resident before executing, " + who + " (MB)").c_str(), name + ":rss_before_MB");
            Value(("resident at the first rows, " + who + " (MB)").c_str(), name + ":rss_first_MB");
            Value(("resident at the end, " + who + " (MB)").c_str(), name + ":rss_end_MB");
            Growth(("growth at the first rows, " + who + " (MB)").c_str(), name + ":rss_first_MB",
                   name + ":rss_before_MB");
            Growth(("growth at the end, " + who + " (MB)").c_str(), name + ":rss_end_MB", name + ":rss_before_MB");
        }
        Ratio("scroll to the end, builder / plain view", "BM_BuilderScrollToEnd", "BM_PlainScrollToEnd");
    }

private:
    double Get(const std::string& name) const { return Figure(name); }

    void Value(const char* what, const std::string& name) const
    {
        if (HasFigure(name))
            std::printf("%-60s %10.3f\n", what, Get(name));
    }

    void Ratio(const char* what, const std::string& name, const std::string& base) const
    {
        const double t = Get(name);
        const double b = Get(base);
        if (t > 0 && b > 0)
            std::printf("%-60s %10.3f\n", what, t / b);
    }

    void Growth(const char* what, const std::string& name, const std::string& base) const
    {
        if (HasFigure(name) && HasFigure(base))
            std::printf("%-60s %10.3f\n", what, Get(name) - Get(base));
    }

};

} // namespace

BENCHMARK(BM_ReadSchemaDirect)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(1.0);
BENCHMARK(BM_OpenBuilder)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(2.0);
BENCHMARK(BM_PlainFirstRows)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_BuilderFirstRows)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_PlainScrollToEnd)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);
BENCHMARK(BM_BuilderScrollToEnd)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);

int main(int argc, char** argv)
{
    RatioReporter reporter;
    return bench::RunWidgetBenchmarks(argc, argv, &reporter);
}
