// The query builder's stAnsi statements, run on the databases they are meant
// for: every diagram below is turned into SQL, run through the engine on an
// SQLite copy of the sample schema and on the PostgreSQL server that
// SCHEMAKIT_TEST_PG names, and must give the rows of the same query written by
// hand, run on the same database. The hand-written queries use only inner and
// left joins, so they run on every SQLite; an SQLite older than 3.39, which has
// no RIGHT or FULL join, must refuse such a generated statement with an error
// that names the join instead of answering with other rows.
//
// The PostgreSQL cases skip without SCHEMAKIT_TEST_PG and fail with
// SCHEMAKIT_REQUIRE_PG=1, like the other PostgreSQL tests; they load the sample
// into a schema of their own and drop it at the end.

#include "EngineTestSupport.h"

#include "../builder/SnapshotBuilder.h"

#include <schemakit/builder/SqlGeneration.h>
#include <schemakit/engines/ZBDB.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QVersionNumber>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>

using namespace schemakit;
using namespace schemakit::test;
using namespace Qt::StringLiterals;
using sqltest::SnapshotBuilder;

namespace {

enum class Backend { Sqlite, Postgres };

const char* NameOf(Backend backend)
{
    return backend == Backend::Sqlite ? "Sqlite" : "Postgres";
}

void PrintTo(Backend backend, std::ostream* os)
{
    *os << NameOf(backend);
}

// Rows the sample lacks for outer joins to show their worth: a region without
// customers and a customer without a region and without orders.
const QStringList kUnmatchedRows = {
    u"INSERT INTO regions VALUES (5, 'Central')"_s,
    u"INSERT INTO customers VALUES (7, 'Island Trading', 'Helen Bennett', 'Cowes', 'UK', '(198) 555-8888', NULL)"_s,
};

const QString kNull = u"<null>"_s;

QString CellText(const QVariant& value)
{
    return value.isNull() ? kNull : value.toString();
}

// One text per row, its cells separated by " | ".
QStringList RowsOf(const QAbstractItemModel& model)
{
    QStringList rows;
    for (int r = 0; r < model.rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < model.columnCount(); ++c)
            cells.append(CellText(model.index(r, c).data()));
        rows.append(cells.join(u" | "_s));
    }
    return rows;
}

QStringList RowsOf(QSqlQuery& query)
{
    QStringList rows;
    while (query.next()) {
        QStringList cells;
        for (int c = 0; c < query.record().count(); ++c)
            cells.append(CellText(query.value(c)));
        rows.append(cells.join(u" | "_s));
    }
    return rows;
}

bool AnyRowHasNullAt(const QStringList& rows, int column)
{
    return std::any_of(rows.begin(), rows.end(),
                       [&](const QString& row) { return row.split(u" | "_s).value(column) == kNull; });
}

class AnsiJoinRows : public testing::TestWithParam<Backend> {
protected:
    static void SetUpTestSuite()
    {
        sqliteDir = std::make_unique<QTemporaryDir>();
        sqliteFile = sqliteDir->filePath(u"sample.db"_s);
        CreateSampleSqlite(sqliteFile);
        {
            TSchemaBDEDataEngine writer;
            writer.SetDatabaseName(sqliteFile);
            RunStatements(writer.Database(), kUnmatchedRows);
            QSqlQuery version(writer.Database());
            if (version.exec(u"SELECT sqlite_version()"_s) && version.next())
                sqliteVersion = QVersionNumber::fromString(version.value(0).toString());
        }
        pg = std::make_unique<TPgSampleSchema>(u"schemakit_ansi"_s, kUnmatchedRows);
    }

    static void TearDownTestSuite()
    {
        pg.reset();
        sqliteDir.reset();
    }

    void SetUp() override
    {
        if (GetParam() == Backend::Sqlite) {
            engine.SetDatabaseName(sqliteFile);
            return;
        }
        if (!pg->Unavailable().isEmpty()) {
            pg->SkipOrFail();
            return;
        }
        engine.SetDatabaseName(pg->Database());
    }

    // Whether this database refuses RIGHT and FULL joins (SQLite before 3.39).
    bool LacksRightAndFullJoins() const
    {
        return GetParam() == Backend::Sqlite && sqliteVersion < QVersionNumber(3, 39);
    }

    // Generates the stAnsi statement of d, runs it and the hand-written query
    // on the test's database and expects the same rows: in the same order when
    // the statement sorts, as a multiset otherwise. Returns the hand-written
    // query's rows, for the case to check that its data shows what it means to.
    QStringList ExpectSameRows(const SnapshotBuilder& d, const QString& byHand, bool sorted = false)
    {
        const QString sql = d.Sql(stAnsi);
        SCOPED_TRACE("generated:\n" + sql.toStdString() + "by hand:\n" + byHand.toStdString());

        QSqlQuery reference(engine.Database());
        reference.setForwardOnly(true);
        if (!reference.exec(byHand)) {
            ADD_FAILURE() << "the hand-written query fails: " << reference.lastError().text().toStdString();
            return {};
        }
        QStringList expected = RowsOf(reference);
        const int expectedColumns = reference.record().count();
        reference.finish();

        if (LacksRightAndFullJoins() && (sql.contains(u"RIGHT OUTER JOIN") || sql.contains(u"FULL OUTER JOIN"))) {
            const QString error = ErrorOf([&] { engine.ExecSQL(sql); });
            EXPECT_TRUE(error.contains(u"JOIN"_s, Qt::CaseInsensitive)) << error.toStdString();
            EXPECT_EQ(engine.Query()->rowCount(), 0);
            return expected;
        }

        QAbstractItemModel* result = nullptr;
        const QString error = ErrorOf([&] {
            result = engine.ExecSQL(sql);
            engine.Query()->FetchAll();
        });
        if (error != u"(no error)"_s) {
            ADD_FAILURE() << "the generated statement fails: " << error.toStdString();
            return expected;
        }
        EXPECT_EQ(result->columnCount(), expectedColumns);
        QStringList actual = RowsOf(*result);
        if (!sorted) {
            actual.sort();
            expected.sort();
        }
        EXPECT_EQ(actual, expected);
        return expected;
    }

    static inline std::unique_ptr<QTemporaryDir> sqliteDir;
    static inline QString sqliteFile;
    static inline QVersionNumber sqliteVersion;
    static inline std::unique_ptr<TPgSampleSchema> pg;

    TSchemaBDEDataEngine engine;
};

TEST_P(AnsiJoinRows, InnerJoinsMatchOnEveryOperatorAndOnEveryLinkBetweenTwoTables)
{
    // The condition reads parent, operator, child whichever box comes first.
    const std::array<std::pair<TSDRelationOperator, const char*>, 6> operators{{{roEqual, "="},
                                                                                {roLess, "<"},
                                                                                {roGreater, ">"},
                                                                                {roLessThan, "<="},
                                                                                {roGreaterThan, ">="},
                                                                                {roNonEqual, "<>"}}};
    for (const auto& [op, text] : operators) {
        for (bool ordersFirst : {true, false}) {
            SCOPED_TRACE(text);
            SnapshotBuilder d;
            quintptr orders = 0, payments = 0;
            if (ordersFirst) {
                orders = d.Box(u"orders"_s);
                payments = d.Box(u"payments"_s);
            } else {
                payments = d.Box(u"payments"_s);
                orders = d.Box(u"orders"_s);
            }
            d.Link(orders, u"order_id"_s, payments, u"order_id"_s, rjInner, op);
            d.Column(orders, u"order_id"_s);
            d.Column(payments, u"payment_id"_s);
            const QStringList rows = ExpectSameRows(
                d, u"SELECT o.order_id, p.payment_id FROM orders o JOIN payments p ON o.order_id %1 p.order_id"_s.arg(
                       QLatin1String(text)));
            EXPECT_FALSE(rows.isEmpty());
        }
    }

    // Two links between the same tables: both conditions hold on each row.
    SnapshotBuilder d;
    const quintptr items = d.Box(u"order_items"_s);
    const quintptr orders = d.Box(u"orders"_s);
    d.Link(orders, u"order_id"_s, items, u"order_id"_s);
    d.Link(orders, u"freight"_s, items, u"unit_price"_s, rjInner, roGreater);
    d.Column(orders, u"order_id"_s);
    d.Column(items, u"product_id"_s);
    EXPECT_EQ(ExpectSameRows(d, u"SELECT o.order_id, i.product_id FROM orders o JOIN order_items i "
                                u"ON i.order_id = o.order_id WHERE o.freight > i.unit_price"_s)
                  .size(),
              9);
}

TEST_P(AnsiJoinRows, LeftOuterJoinKeepsTheParentsUnmatchedRows)
{
    // Reached from its child, the link is written the other way round.
    for (bool customersFirst : {true, false}) {
        SCOPED_TRACE(customersFirst);
        SnapshotBuilder d;
        quintptr customers = 0, orders = 0;
        if (customersFirst) {
            customers = d.Box(u"customers"_s);
            orders = d.Box(u"orders"_s);
        } else {
            orders = d.Box(u"orders"_s);
            customers = d.Box(u"customers"_s);
        }
        d.Link(customers, u"customer_id"_s, orders, u"customer_id"_s, rjLeftOuter);
        d.Column(customers, u"company_name"_s);
        d.Column(orders, u"order_id"_s);
        const QStringList rows = ExpectSameRows(d, u"SELECT c.company_name, o.order_id FROM customers c "
                                                   u"LEFT JOIN orders o ON o.customer_id = c.customer_id"_s);
        EXPECT_TRUE(rows.contains(u"Island Trading | "_s + kNull)) << rows.join(u'\n').toStdString();
    }
}

TEST_P(AnsiJoinRows, RightOuterJoinKeepsTheChildsUnmatchedRows)
{
    for (bool regionsFirst : {true, false}) {
        SCOPED_TRACE(regionsFirst);
        SnapshotBuilder d;
        quintptr regions = 0, customers = 0;
        if (regionsFirst) {
            regions = d.Box(u"regions"_s);
            customers = d.Box(u"customers"_s);
        } else {
            customers = d.Box(u"customers"_s);
            regions = d.Box(u"regions"_s);
        }
        d.Link(regions, u"region_id"_s, customers, u"region_id"_s, rjRightOuter);
        d.Column(regions, u"name"_s);
        d.Column(customers, u"company_name"_s);
        const QStringList rows = ExpectSameRows(d, u"SELECT r.name, c.company_name FROM customers c "
                                                   u"LEFT JOIN regions r ON r.region_id = c.region_id"_s);
        EXPECT_TRUE(rows.contains(kNull + u" | Island Trading"_s)) << rows.join(u'\n').toStdString();
        EXPECT_FALSE(rows.join(u'\n').contains(u"Central"_s));
    }
}

TEST_P(AnsiJoinRows, FullJoinKeepsTheUnmatchedRowsOfBothSides)
{
    SnapshotBuilder d;
    const quintptr regions = d.Box(u"regions"_s);
    const quintptr customers = d.Box(u"customers"_s);
    d.Link(regions, u"region_id"_s, customers, u"region_id"_s, rjFull);
    d.Column(regions, u"name"_s);
    d.Column(customers, u"company_name"_s);
    ASSERT_TRUE(d.Sql(stAnsi).contains(u"FULL OUTER JOIN"));
    // Every region with its customers, then the customers no region has.
    const QStringList rows =
        ExpectSameRows(d, u"SELECT r.name, c.company_name FROM regions r "
                          u"LEFT JOIN customers c ON c.region_id = r.region_id "
                          u"UNION ALL "
                          u"SELECT NULL, c.company_name FROM customers c "
                          u"WHERE NOT EXISTS (SELECT 1 FROM regions r WHERE r.region_id = c.region_id)"_s);
    EXPECT_TRUE(rows.contains(u"Central | "_s + kNull)) << rows.join(u'\n').toStdString();
    EXPECT_TRUE(rows.contains(kNull + u" | Island Trading"_s)) << rows.join(u'\n').toStdString();
}

TEST_P(AnsiJoinRows, ChainsOfThreeTablesInAnyBoxOrderAndAnUnlinkedTableAfterAComma)
{
    // order_items sits between orders and products; whichever box comes first,
    // each ON may name only the tables joined before it.
    std::array<QString, 3> order{u"order_items"_s, u"orders"_s, u"products"_s};
    do {
        SCOPED_TRACE(order[0].toStdString() + ", " + order[1].toStdString() + ", " + order[2].toStdString());
        SnapshotBuilder d;
        QHash<QString, quintptr> box;
        for (const QString& table : order)
            box.insert(table, d.Box(table));
        const quintptr shippers = d.Box(u"shippers"_s);
        d.Link(box[u"orders"_s], u"order_id"_s, box[u"order_items"_s], u"order_id"_s);
        d.Link(box[u"products"_s], u"product_id"_s, box[u"order_items"_s], u"product_id"_s);
        d.Snapshot.Distinct = true;
        d.Column(box[u"products"_s], u"name"_s);
        d.Column(shippers, u"company_name"_s).Where = u"shippers.shipper_id = orders.shipper_id"_s;
        const QStringList rows = ExpectSameRows(d, u"SELECT DISTINCT p.name, s.company_name FROM orders o "
                                                   u"JOIN order_items i ON i.order_id = o.order_id "
                                                   u"JOIN products p ON p.product_id = i.product_id "
                                                   u"JOIN shippers s ON s.shipper_id = o.shipper_id"_s);
        EXPECT_EQ(rows.size(), 10);
    } while (std::next_permutation(order.begin(), order.end()));
}

TEST_P(AnsiJoinRows, ATableUsedTwiceJoinsUnderAliases)
{
    SnapshotBuilder d;
    const quintptr staff = d.Box(u"employees"_s);
    const quintptr boss = d.Box(u"employees"_s);
    const quintptr regions = d.Box(u"regions"_s);
    d.Link(staff, u"reports_to"_s, boss, u"employee_id"_s, rjLeftOuter);
    d.Link(regions, u"region_id"_s, staff, u"region_id"_s);
    d.Column(staff, u"last_name"_s).Sort = u"Ascending"_s;
    d.Column(boss, u"last_name"_s);
    d.Column(regions, u"name"_s);
    const QStringList rows = ExpectSameRows(d,
                                            u"SELECT e.last_name, b.last_name, r.name FROM employees e "
                                            u"LEFT JOIN employees b ON b.employee_id = e.reports_to "
                                            u"JOIN regions r ON r.region_id = e.region_id ORDER BY e.last_name"_s,
                                            true);
    EXPECT_EQ(rows.size(), 5);
    EXPECT_TRUE(AnyRowHasNullAt(rows, 1)) << rows.join(u'\n').toStdString();
}

TEST_P(AnsiJoinRows, ASelfLinkFiltersItsTablesRowsWhateverItsKind)
{
    for (int join = rjInner; join <= rjFull; ++join) {
        SCOPED_TRACE(join);
        SnapshotBuilder d;
        const quintptr products = d.Box(u"products"_s);
        const quintptr categories = d.Box(u"categories"_s);
        d.Link(categories, u"category_id"_s, products, u"category_id"_s);
        d.Link(products, u"units_in_stock"_s, products, u"unit_price"_s, TSDRelationJoin(join), roGreater);
        d.Column(products, u"name"_s);
        d.Column(categories, u"name"_s).Where = u"categories.name <> 'Beverages'"_s;
        const QStringList rows =
            ExpectSameRows(d, u"SELECT p.name, c.name FROM products p "
                              u"JOIN categories c ON c.category_id = p.category_id "
                              u"WHERE p.units_in_stock > p.unit_price AND c.name <> 'Beverages'"_s);
        EXPECT_EQ(rows.size(), 3);
    }
}

TEST_P(AnsiJoinRows, FiltersGroupsAggregatesAndSortsOverOuterJoins)
{
    // Each Where text is a condition of its own: the OR of the second must not
    // bind to the first.
    SnapshotBuilder d;
    const quintptr regions = d.Box(u"regions"_s);
    const quintptr customers = d.Box(u"customers"_s);
    const quintptr orders = d.Box(u"orders"_s);
    d.Link(regions, u"region_id"_s, customers, u"region_id"_s, rjLeftOuter);
    d.Link(customers, u"customer_id"_s, orders, u"customer_id"_s, rjLeftOuter);
    TSQLColumn& name = d.Column(regions, u"name"_s);
    name.Grouping = u"1"_s;
    name.Sort = u"Ascending"_s;
    name.Where = u"regions.region_id <> 2"_s;
    name.Having = u"COUNT(customers.customer_id) < 2"_s;
    TSQLColumn& count = d.Column(orders, u"order_id"_s);
    count.Calculate = u"Count"_s;
    count.Sort = u"Descending"_s;
    count.Where = u"orders.freight IS NULL OR orders.freight > 30"_s;
    d.Column(orders, u"freight"_s).Calculate = u"Maximum"_s;
    const QStringList rows = ExpectSameRows(d,
                                            u"SELECT r.name, COUNT(o.order_id), MAX(o.freight) FROM regions r "
                                            u"LEFT JOIN customers c ON c.region_id = r.region_id "
                                            u"LEFT JOIN orders o ON o.customer_id = c.customer_id "
                                            u"WHERE r.region_id <> 2 AND (o.freight IS NULL OR o.freight > 30) "
                                            u"GROUP BY r.name HAVING COUNT(c.customer_id) < 2 "
                                            u"ORDER BY r.name, COUNT(o.order_id) DESC"_s,
                                            true);
    // North keeps two customers after the filter, South none; Central has none at all.
    EXPECT_EQ(rows.size(), 3) << rows.join(u'\n').toStdString();
    EXPECT_EQ(rows.value(0), u"Central | 0 | "_s + kNull);
}

INSTANTIATE_TEST_SUITE_P(AnsiJoin, AnsiJoinRows, testing::Values(Backend::Sqlite, Backend::Postgres),
                         [](const testing::TestParamInfo<Backend>& info) { return NameOf(info.param); });

} // namespace
