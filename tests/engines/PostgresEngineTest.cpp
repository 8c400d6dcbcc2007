// These tests run against the PostgreSQL server that SCHEMAKIT_TEST_PG names (a
// libpq connection string or URI, as scripts/with-postgres exports it). Without
// it they are skipped; with SCHEMAKIT_REQUIRE_PG=1 a missing or unreachable
// server fails them instead. Each run loads the sample schema into a schema of
// its own and drops it at the end.

#include "EngineTestSupport.h"

#include <schemakit/diagram/SchmCntr.h>
#include <schemakit/engines/ConnectionString.h>
#include <schemakit/engines/ZBDB.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <memory>

using namespace schemakit;
using namespace schemakit::test;
using namespace Qt::StringLiterals;

namespace {

class PostgresEngine : public testing::Test {
protected:
    static void SetUpTestSuite() { pg = std::make_unique<TPgSampleSchema>(u"schemakit_test"_s); }
    static void TearDownTestSuite() { pg.reset(); }

    void SetUp() override
    {
        if (!pg->Unavailable().isEmpty()) {
            pg->SkipOrFail();
            return;
        }
        engine.SetDatabaseName(pg->Database());
    }

    QStringList Tables(TSchemaBDEDataEngine& e)
    {
        TStringList list;
        e.FillItemList(list);
        return list.ToQStringList();
    }

    QStringList Fields(TSchemaBDEDataEngine& e, const QString& table)
    {
        TStringList list;
        e.FillSubItemList(pane.AddItem(table, scCheckListBox), list);
        return list.ToQStringList();
    }

    static inline std::unique_ptr<TPgSampleSchema> pg;

    TSchemaDesignArea pane;
    TSchemaBDEDataEngine engine;
};

} // namespace

TEST_F(PostgresEngine, ListsTheSameTablesAndFieldsAsTheSqliteEngine)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(u"sample.db"_s);
    CreateSampleSqlite(file);
    TSchemaBDEDataEngine sqlite;
    sqlite.SetDatabaseName(file);

    const QStringList tables = Tables(engine);
    EXPECT_EQ(tables, SampleTables());
    EXPECT_EQ(tables, Tables(sqlite));
    for (const QString& table : tables)
        EXPECT_EQ(Fields(engine, table), Fields(sqlite, table)) << table.toStdString();
}

TEST_F(PostgresEngine, SystemTablesPatternsAndOddNamesApplyToTheCatalog)
{
    EXPECT_FALSE(Tables(engine).contains(u"pg_class"_s));
    engine.SetShowSystemTables(true);
    const QStringList all = Tables(engine);
    EXPECT_TRUE(all.contains(u"pg_class"_s) && all.contains(u"orders"_s));
    EXPECT_FALSE(all.contains(u"tables"_s)); // information_schema stays out
    EXPECT_EQ(Fields(engine, u"pg_namespace"_s).value(1), u"nspname"_s);

    engine.SetShowSystemTables(false);
    QSqlQuery(engine.Database())
        .exec(u"CREATE TABLE \"sales.2024\" (id INTEGER, \"it's\" TEXT, \"a \"\"b\"\"\" INT)"_s);
    engine.SetPattern(u"s*.*"_s);
    EXPECT_EQ(Tables(engine), QStringList({u"sales.2024"_s, u"shippers"_s, u"suppliers"_s}));
    EXPECT_EQ(Fields(engine, u"sales.2024"_s), QStringList({u"id"_s, u"it's"_s, u"a \"b\""_s}));
    QSqlQuery(engine.Database()).exec(u"DROP TABLE \"sales.2024\""_s);
}

TEST_F(PostgresEngine, ErrorsCarryTheServersTextAndTheEngineRecovers)
{
    EXPECT_TRUE(ErrorOf([&] { Fields(engine, u"nope\"; DROP TABLE regions; --"_s); }).contains(u"does not exist"_s));
    EXPECT_TRUE(Tables(engine).contains(u"regions"_s));

    QAbstractItemModel* result = engine.ExecSQL(u"SELECT order_id FROM orders ORDER BY order_id"_s);
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(result->rowCount(), 6);
    EXPECT_EQ(result->index(0, 0).data().toInt(), 10248);
    EXPECT_TRUE(ErrorOf([&] { engine.ExecSQL(u"SELECT FROM WHERE"_s); }).contains(u"syntax error"_s));
    EXPECT_EQ(engine.Query()->rowCount(), 0);
    EXPECT_EQ(engine.ExecSQL(u"SELECT count(*) FROM payments"_s), result);
    EXPECT_EQ(result->index(0, 0).data().toInt(), 5);

    // The server would run every statement of a text; the engine runs one, and
    // refuses a text with a second before anything runs.
    EXPECT_EQ(ErrorOf([&] { engine.ExecSQL(u"SELECT 1; DROP TABLE regions"_s); }),
              u"Unable to execute multiple statements at a time"_s);
    EXPECT_TRUE(Tables(engine).contains(u"regions"_s));
    EXPECT_EQ(engine.ExecSQL(u"SELECT $x$;$x$ AS s; -- done"_s)->index(0, 0).data().toString(), u";"_s);
}

TEST_F(PostgresEngine, TheUriFormReachesTheSameDatabase)
{
    const TPgConnectionParams p = ParsePgConnectionString(qEnvironmentVariable("SCHEMAKIT_TEST_PG"));
    auto encoded = [](const QString& s) { return QString::fromLatin1(QUrl::toPercentEncoding(s)); };
    QString uri = u"postgresql://%1@%2"_s.arg(encoded(p.UserName), encoded(p.Host));
    if (p.Port > 0)
        uri += u':' + QString::number(p.Port);
    uri += u'/' + encoded(p.DatabaseName);
    for (const auto& [key, value] : p.Options)
        uri = WithPgOption(uri, key, value);
    if (!p.Password.isEmpty())
        uri = WithPgOption(uri, u"password"_s, p.Password);
    engine.SetDatabaseName(WithPgOption(uri, u"options"_s, u"-csearch_path="_s + pg->Schema()));
    EXPECT_EQ(Tables(engine), SampleTables());

    // A server that is not there is the driver's error, not an empty list.
    engine.SetDatabaseName(u"postgresql://127.0.0.1:1/none?connect_timeout=5"_s);
    EXPECT_TRUE(ErrorOf([&] { Tables(engine); }).contains(u"127.0.0.1"_s));
}
