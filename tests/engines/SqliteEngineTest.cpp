#include "EngineTestSupport.h"

#include <schemakit/diagram/SchmCntr.h>
#include <schemakit/engines/ZBDB.h>

#include <QFile>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QStringListModel>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

using namespace schemakit;
using namespace schemakit::test;
using namespace Qt::StringLiterals;

namespace {

class SqliteEngine : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath(u"sample.db"_s);
        CreateSampleSqlite(path);
        engine.SetDatabaseName(path);
    }

    QStringList Tables()
    {
        TStringList list;
        engine.FillItemList(list);
        return list.ToQStringList();
    }

    QStringList Fields(const QString& table)
    {
        TStringList list;
        engine.FillSubItemList(pane.AddItem(table, scCheckListBox), list);
        return list.ToQStringList();
    }

    // Changes the file through a connection of the test's own.
    void Execute(const QStringList& statements)
    {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"writer"_s);
            db.setDatabaseName(path);
            ASSERT_TRUE(db.open());
            RunStatements(db, statements);
        }
        QSqlDatabase::removeDatabase(u"writer"_s);
    }

    QTemporaryDir dir;
    QString path;
    TSchemaDesignArea pane;
    TSchemaBDEDataEngine engine;
};

} // namespace

TEST_F(SqliteEngine, ListsTablesSortedThroughThePatternWithSystemTablesOnlyWhenAsked)
{
    Execute({u"CREATE TABLE audit (id INTEGER PRIMARY KEY AUTOINCREMENT, note TEXT)"_s,
             u"CREATE VIEW big_orders AS SELECT * FROM orders WHERE freight > 50"_s,
             u"CREATE TABLE \"sales.2024\" (id INTEGER)"_s, u"CREATE TABLE \"Order Notes\" (id INTEGER)"_s,
             u"INSERT INTO audit (note) VALUES ('x')"_s});
    QStringList expected = SampleTables() << u"audit"_s << u"big_orders"_s << u"Order Notes"_s << u"sales.2024"_s;
    std::sort(expected.begin(), expected.end(), TableNameLess);
    EXPECT_EQ(engine.Pattern(), u"*.*"_s);
    EXPECT_EQ(Tables(), expected);

    engine.SetShowSystemTables(true);
    const QStringList all = Tables();
    EXPECT_EQ(all.size(), expected.size() + 2);
    EXPECT_TRUE(all.contains(u"sqlite_master"_s) && all.contains(u"sqlite_sequence"_s));
    EXPECT_EQ(Fields(u"sqlite_sequence"_s), QStringList({u"name"_s, u"seq"_s}));

    engine.SetShowSystemTables(false);
    engine.SetPattern(u"order*"_s);
    EXPECT_EQ(Tables(), QStringList({u"Order Notes"_s, u"order_items"_s, u"orders"_s}));
    engine.SetPattern(u"s*.*"_s);
    EXPECT_EQ(Tables(), QStringList({u"sales.2024"_s, u"shippers"_s, u"suppliers"_s}));

    // Without a database there is nothing to list: an error, not an empty list.
    TSchemaBDEDataEngine unset;
    TStringList list;
    EXPECT_THROW(unset.FillItemList(list), Exception);
}

TEST_F(SqliteEngine, HandlerEntriesComeFirstAndDatabaseNamesFollow)
{
    int tag = 0;
    engine.OnGetItemList = [&](QObject*, TStringList& list) { list.AddObject(u"virtual"_s, &tag); };
    engine.OnGetSubItemList = [](QObject*, TSchemaItem*, TStringList& list) { list.Add(u"*"_s); };
    engine.SetPattern(u"reg*"_s);
    TStringList tables;
    tables.Add(u"stale"_s);
    int changes = 0;
    tables.OnChange = [&](TStringList*) { ++changes; };
    engine.FillItemList(tables);
    EXPECT_EQ(tables.ToQStringList(), QStringList({u"virtual"_s, u"regions"_s}));
    EXPECT_EQ(tables.Objects(0), &tag);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(Fields(u"regions"_s), QStringList({u"*"_s, u"region_id"_s, u"name"_s}));
}

TEST_F(SqliteEngine, FieldsComeInTableOrderAndOddNamesNeitherBreakNorInjectSql)
{
    EXPECT_EQ(Fields(u"employees"_s), QStringList({u"employee_id"_s, u"last_name"_s, u"first_name"_s, u"title"_s,
                                                   u"hire_date"_s, u"reports_to"_s, u"region_id"_s}));
    const QString hostile = u"x\" WHERE 0; DROP TABLE regions; --"_s;
    Execute({u"CREATE VIEW late AS SELECT shipped_date, order_id FROM orders"_s,
             u"CREATE TABLE \"it\"\"s here\" (\"a b\" INTEGER, \"c\"\"d\" TEXT)"_s,
             u"CREATE TABLE \"sales.2024\" (id INTEGER, amount REAL)"_s,
             u"CREATE TABLE \"%1\" (v INTEGER)"_s.arg(QString(hostile).replace(u'"', u"\"\""_s))});
    EXPECT_EQ(Fields(u"late"_s), QStringList({u"shipped_date"_s, u"order_id"_s}));
    EXPECT_EQ(Fields(u"it\"s here"_s), QStringList({u"a b"_s, u"c\"d"_s}));
    EXPECT_EQ(Fields(u"sales.2024"_s), QStringList({u"id"_s, u"amount"_s}));
    EXPECT_EQ(Fields(hostile), QStringList{u"v"_s});
    // A name that only looks like an injection is just a missing table.
    EXPECT_THROW(Fields(u"regions\"; DROP TABLE orders; --"_s), Exception);
    EXPECT_TRUE(Tables().contains(u"regions"_s) && Tables().contains(u"orders"_s));
}

TEST_F(SqliteEngine, AMissingTableRaisesTheDatabasesTextAndLeavesNothingBehind)
{
    const auto children = engine.children().size();
    TStringList list;
    list.Add(u"stale"_s);
    EXPECT_EQ(ErrorOf([&] { engine.FillSubItemList(pane.AddItem(u"nope"_s, scCheckListBox), list); }),
              u"no such table: nope"_s);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.UpdateCount(), 0);
    EXPECT_EQ(engine.children().size(), children);
    EXPECT_EQ(engine.Query(), nullptr);
    EXPECT_EQ(Fields(u"regions"_s).size(), 2); // the engine goes on working
    EXPECT_THROW(engine.FillSubItemList(nullptr, list), Exception);
}

TEST_F(SqliteEngine, ExecSqlReusesOneQueryThatShowsTheNewResult)
{
    QAbstractItemModel* first = engine.ExecSQL(u"SELECT name FROM regions ORDER BY region_id"_s);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, engine.Query());
    EXPECT_EQ(first->rowCount(), 4);
    EXPECT_EQ(first->index(0, 0).data().toString(), u"North"_s);

    QAbstractItemModel* second = engine.ExecSQL(u"SELECT company_name, city FROM customers"_s);
    EXPECT_EQ(second, first);
    EXPECT_EQ(second->rowCount(), 6);
    EXPECT_EQ(second->headerData(1, Qt::Horizontal).toString(), u"city"_s);

    // Errors carry the database's text and leave the query empty, never showing
    // the previous result as if it were the new one.
    EXPECT_TRUE(ErrorOf([&] { engine.ExecSQL(u"SELEC 1"_s); }).contains(u"syntax error"_s));
    EXPECT_EQ(engine.Query()->rowCount() + engine.Query()->columnCount(), 0);
    EXPECT_EQ(ErrorOf([&] { engine.ExecSQL(u"SELECT * FROM nope"_s); }), u"no such table: nope"_s);
    EXPECT_EQ(engine.ExecSQL(u"SELECT 1"_s), first);
}

TEST_F(SqliteEngine, AnEventAnswerMeansNoOwnQuery)
{
    QStringListModel answer;
    engine.OnExecSQL = [&](QObject*, const QString&) -> QAbstractItemModel* { return &answer; };
    EXPECT_EQ(engine.ExecSQL(u"SELECT 1"_s), &answer);
    EXPECT_EQ(engine.Query(), nullptr);
    // A handler that gives nothing leaves the statement to the engine.
    engine.OnExecSQL = [&](QObject*, const QString&) -> QAbstractItemModel* { return nullptr; };
    QAbstractItemModel* own = engine.ExecSQL(u"SELECT 1"_s);
    EXPECT_NE(own, nullptr);
    EXPECT_EQ(own, engine.Query());
}

TEST_F(SqliteEngine, AMissingFileIsAnErrorAndIsNotCreated)
{
    const QString missing = dir.filePath(u"typo.db"_s);
    engine.SetDatabaseName(missing);
    TStringList list;
    EXPECT_EQ(ErrorOf([&] { engine.FillItemList(list); }), u"unable to open database file"_s);
    EXPECT_EQ(ErrorOf([&] { engine.ExecSQL(u"SELECT 1"_s); }), u"unable to open database file"_s);
    EXPECT_FALSE(QFile::exists(missing));
    // Characters that mean something in a URI are still part of the file name.
    const QString odd = dir.filePath(u"odd #1?x=y.db"_s);
    ASSERT_TRUE(QFile::copy(path, odd));
    engine.SetDatabaseName(odd);
    EXPECT_EQ(Tables(), SampleTables());
}

TEST_F(SqliteEngine, ApplicationConnectionsAreUsedAsTheyAreAndOwnOnesGoWithTheName)
{
    const QStringList before = QSqlDatabase::connectionNames();
    EXPECT_EQ(Tables(), SampleTables());
    const QString own = engine.Database().connectionName();
    EXPECT_TRUE(IsEngineConnectionName(own));
    {
        QSqlDatabase app = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"app"_s);
        app.setDatabaseName(path);
        engine.SetDatabaseName(u"app"_s); // not open yet: the engine opens it
        EXPECT_FALSE(QSqlDatabase::contains(own));
        EXPECT_EQ(Tables(), SampleTables());
        QSqlQuery(app).exec(u"CREATE TEMP TABLE scratch (x INTEGER)"_s);
        EXPECT_EQ(Fields(u"scratch"_s), QStringList{u"x"_s}); // the very same connection
        EXPECT_EQ(engine.ExecSQL(u"SELECT * FROM regions"_s)->rowCount(), 4);
        EXPECT_TRUE(app.isOpen());
    }
    // The application may remove its connection while the engine's query still
    // shows a result from it; the name then means a file, which does not exist.
    QSqlDatabase::removeDatabase(u"app"_s);
    EXPECT_EQ(ErrorOf([&] { engine.ExecSQL(u"SELECT 1"_s); }), u"unable to open database file"_s);
    engine.SetDatabaseName(path);
    EXPECT_EQ(engine.ExecSQL(u"SELECT 1"_s)->rowCount(), 1);
    engine.SetDatabaseName(QString());
    EXPECT_EQ(engine.Query()->rowCount(), 0);
    EXPECT_EQ(QSqlDatabase::connectionNames(), before);
}

TEST_F(SqliteEngine, TheSessionOffersConnectionsAndRegisteredFilesButNoEngineConnection)
{
    Tables(); // the engine opens a connection of its own
    QSqlDatabase::addDatabase(u"QSQLITE"_s, u"Reports"_s);
    Session().RegisterDatabaseFile(path);
    Session().RegisterDatabaseFile(path);
    TStringList names;
    names.Add(u"stale"_s);
    Session().GetDatabaseNames(names);
    EXPECT_EQ(names.ToQStringList(), QStringList({path, u"Reports"_s}));

    Session().UnregisterDatabaseFile(path);
    QSqlDatabase::removeDatabase(u"Reports"_s);
    Session().GetDatabaseNames(names);
    EXPECT_EQ(names.Count(), 0);
}

TEST_F(SqliteEngine, DatabaseFailuresCarryTheDriversDetailsAndTheFailedStatement)
{
    const auto failure = [](auto&& call) -> std::optional<EDatabaseError> {
        try {
            call();
        } catch (const EDatabaseError& e) {
            return e;
        }
        return std::nullopt;
    };

    // The statement as it was sent: the closing ";" is not part of it.
    auto error = failure([&] { engine.ExecSQL(u"SELECT * FROM nope;"_s); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Message(), u"no such table: nope"_s);
    EXPECT_EQ(error->Statement(), u"SELECT * FROM nope"_s);
    EXPECT_EQ(error->ErrorType(), EDatabaseError::etStatementError);
    EXPECT_EQ(error->NativeErrorCode(), u"1"_s); // SQLITE_ERROR
    EXPECT_EQ(error->DatabaseText(), u"no such table: nope"_s);
    EXPECT_FALSE(error->DriverText().isEmpty());

    // Reading the catalog names the statement the engine wrote itself.
    TStringList list;
    error = failure([&] { engine.FillSubItemList(pane.AddItem(u"no pe"_s, scCheckListBox), list); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Statement(), u"SELECT * FROM \"no pe\" WHERE 1 = 0"_s);

    // A database that cannot be opened ran no statement.
    engine.SetDatabaseName(dir.filePath(u"typo.db"_s));
    error = failure([&] { engine.ExecSQL(u"SELECT 1"_s); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->ErrorType(), EDatabaseError::etConnectionError);
    EXPECT_EQ(error->NativeErrorCode(), u"14"_s); // SQLITE_CANTOPEN
    EXPECT_TRUE(error->Statement().isEmpty());
}
