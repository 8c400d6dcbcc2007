#include "SnapshotBuilder.h"

#include <schemakit/engines/ZBDEngine.h>

#include <gtest/gtest.h>

using namespace schemakit;
using namespace Qt::StringLiterals;
using sqltest::SnapshotBuilder;

TEST(SqlGenerationAnsi, EveryJoinKindKeepsTheRowsOfTheSideItNames)
{
    TSchemaDataEngine engine;
    engine.SetSQLSubType(stAnsi);
    EXPECT_EQ(engine.GetJoinScript(u"A.X"_s, u"B.Y"_s, roGreaterThan, rjFull), u"(A.X >= B.Y)"_s);
    EXPECT_EQ(engine.GetJoinSeparator(rjLeftOuter), u" AND "_s);
    EXPECT_FALSE(engine.GetSQLTemplate().contains(u"joins#"));

    // orders comes first; the link runs one way or the other. A left outer link
    // keeps its parent's rows, so reached from its child it reads RIGHT.
    const char* const forward[] = {"INNER JOIN", "LEFT OUTER JOIN", "RIGHT OUTER JOIN", "FULL OUTER JOIN"};
    const char* const backward[] = {"INNER JOIN", "RIGHT OUTER JOIN", "LEFT OUTER JOIN", "FULL OUTER JOIN"};
    for (int join = rjInner; join <= rjFull; ++join) {
        for (bool ordersIsParent : {true, false}) {
            SnapshotBuilder d;
            const quintptr orders = d.Box(u"orders"_s);
            const quintptr customer = d.Box(u"customer"_s);
            if (ordersIsParent)
                d.Link(orders, u"cust_id"_s, customer, u"id"_s, TSDRelationJoin(join));
            else
                d.Link(customer, u"id"_s, orders, u"cust_id"_s, TSDRelationJoin(join), roLess);
            d.Column(orders, u"id"_s);
            d.Column(customer, u"name"_s);
            const QString on =
                ordersIsParent ? u"(orders.cust_id = customer.id)"_s : u"(customer.id < orders.cust_id)"_s;
            const QString keyword = QString::fromLatin1((ordersIsParent ? forward : backward)[join]);
            EXPECT_EQ(d.Sql(stAnsi), u"SELECT  orders.id, customer.name \r\nFROM orders "_s + keyword +
                                         u" customer ON "_s + on + u" \r\n"_s)
                << join << ordersIsParent;
        }
    }
}

TEST(SqlGenerationAnsi, ChainsCyclesAndCompositeKeys)
{
    // Chains in the order of their first box, unlinked boxes after a comma.
    SnapshotBuilder d;
    const quintptr products = d.Box(u"products"_s);
    const quintptr orders = d.Box(u"orders"_s);
    const quintptr regions = d.Box(u"regions"_s);
    const quintptr customers = d.Box(u"customers"_s);
    d.Link(customers, u"region_id"_s, regions, u"region_id"_s, rjLeftOuter);
    d.Link(orders, u"customer_id"_s, customers, u"customer_id"_s);
    const QString from = u"FROM products, orders INNER JOIN customers ON (orders.customer_id = "
                         u"customers.customer_id) LEFT OUTER JOIN regions ON (customers.region_id = "
                         u"regions.region_id) \r\n"_s;
    EXPECT_EQ(d.Sql(stAnsi), from);

    // Grouping and sorting name the column as the field list does, so that a
    // name two tables share is never ambiguous.
    d.Column(regions, u"name"_s).Grouping = u"1"_s;
    TSQLColumn& count = d.Column(orders, u"order_id"_s);
    count.Calculate = u"Count"_s;
    count.Sort = u"Descending"_s;
    EXPECT_EQ(d.Sql(stAnsi), u"SELECT  regions.name, COUNT(orders.order_id) \r\n"_s + from +
                                 u"GROUP BY regions.name \r\nORDER BY COUNT(orders.order_id) DESC\r\n"_s);
    EXPECT_TRUE(d.Sql(stLocal).endsWith(u"GROUP BY name \r\nORDER BY order_id DESC\r\n"));
    // No database groups by "t.*": a grouped "*" column only adds its filter.
    TSQLColumn& all = d.Column(products, u"*"_s);
    all.Grouping = u"1"_s;
    all.Having = u"COUNT(*) > 1"_s;
    EXPECT_TRUE(d.Sql(stAnsi).contains(u"GROUP BY regions.name \r\nHAVING  (COUNT(*) > 1) \r\n"_s));
    EXPECT_TRUE(d.Sql(stLocal).contains(u"GROUP BY name, * \r\n"_s));

    // A link between two boxes already in the chain adds its condition to the
    // ON of the later one.
    SnapshotBuilder c;
    const quintptr a = c.Box(u"a"_s);
    const quintptr b = c.Box(u"b"_s);
    const quintptr t = c.Box(u"c"_s);
    c.Link(a, u"x"_s, b, u"x"_s);
    c.Link(b, u"y"_s, t, u"y"_s);
    c.Link(t, u"z"_s, a, u"z"_s, rjInner, roNonEqual);
    c.Link(a, u"k"_s, b, u"k"_s);
    EXPECT_EQ(c.Sql(stAnsi), u"FROM a INNER JOIN b ON (a.x = b.x) AND (a.k = b.k) "
                             u"INNER JOIN c ON (c.z <> a.z) AND (b.y = c.y) \r\n"_s);
}

TEST(SqlGenerationAnsi, RepeatedTablesJoinUnderAliasesAndSelfLinksFilter)
{
    SnapshotBuilder d;
    const quintptr staff = d.Box(u"employees"_s);
    const quintptr boss = d.Box(u"employees"_s);
    d.Link(staff, u"reports_to"_s, boss, u"employee_id"_s, rjLeftOuter);
    d.Link(staff, u"first_name"_s, staff, u"last_name"_s, rjFull, roNonEqual);
    d.Column(staff, u"last_name"_s);
    d.Column(boss, u"last_name"_s).Sort = u"Ascending"_s;
    const QString select = u"SELECT  employees2.last_name, employees3.last_name \r\n"
                           u"FROM employees employees2 LEFT OUTER JOIN employees employees3 "
                           u"ON (employees2.reports_to = employees3.employee_id) \r\n"_s;
    EXPECT_EQ(d.Sql(stAnsi), select + u"WHERE  (employees2.first_name <> employees2.last_name) \r\n"
                                      u"ORDER BY employees3.last_name ASC\r\n"_s);
    d.Snapshot.Columns[0].Where = u"employees2.title IS NOT NULL"_s;
    EXPECT_EQ(d.Sql(stAnsi), select + u"WHERE  (employees2.title IS NOT NULL) AND "
                                      u"(employees2.first_name <> employees2.last_name) \r\n"
                                      u"ORDER BY employees3.last_name ASC\r\n"_s);
}
