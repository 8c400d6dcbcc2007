#include "SnapshotBuilder.h"

#include <schemakit/package/SchmCnst.h>

#include <gtest/gtest.h>

using namespace schemakit;
using namespace Qt::StringLiterals;
using sqltest::SnapshotBuilder;

namespace {

// orders (id, cust_id) and customer (id, name), added in that order, one link
// from orders.cust_id (parent) to customer.id (child).
SnapshotBuilder OrdersAndCustomer(TSDRelationJoin join = rjInner)
{
    SnapshotBuilder d;
    const quintptr orders = d.Box(u"orders"_s);
    const quintptr customer = d.Box(u"customer"_s);
    d.Link(orders, u"cust_id"_s, customer, u"id"_s, join);
    d.Column(orders, u"id"_s);
    d.Column(customer, u"name"_s);
    return d;
}

} // namespace

TEST(SqlGenerationExamples, OneTableWithSortFilterGroupingAndDistinct)
{
    SnapshotBuilder d;
    const quintptr customer = d.Box(u"customer"_s);
    d.Column(customer, u"name"_s).Sort = u"Ascending"_s;
    d.Column(customer, u"id"_s).Where = u"id > 10"_s;
    const QString expected = u"SELECT  customer.name, customer.id \r\nFROM customer \r\nWHERE  (id > 10) \r\n"
                             u"ORDER BY name ASC\r\n"_s;
    EXPECT_EQ(d.Sql(std::nullopt), expected);
    EXPECT_EQ(d.Sql(stStandard), expected);

    SnapshotBuilder g;
    const quintptr box = g.Box(u"customer"_s);
    TSQLColumn& city = g.Column(box, u"city"_s);
    city.Grouping = u"1"_s;
    city.Having = u"COUNT(customer.id) > 5"_s;
    g.Column(box, u"id"_s).Calculate = u"Count"_s;
    g.Snapshot.Distinct = true;
    EXPECT_EQ(g.Sql(std::nullopt), u"SELECT DISTINCT customer.city, COUNT(customer.id) \r\nFROM customer \r\n"
                                   u"GROUP BY city \r\nHAVING  (COUNT(customer.id) > 5) \r\n"_s);
}

TEST(SqlGenerationExamples, JoinsInEveryDialect)
{
    EXPECT_EQ(OrdersAndCustomer().Sql(stLocal), u"SELECT  orders.id, customer.name \r\nFROM orders, customer \r\n"
                                                u"WHERE (1=1) \r\n   AND (orders.cust_id = customer.id) \r\n"_s);
    EXPECT_EQ(OrdersAndCustomer().Sql(stStandard),
              u"SELECT  orders.id, customer.name \r\nFROM orders, customer \r\n"
              u"   INNER JOIN (orders.cust_id = customer.id) \r\nWHERE (1=1) \r\n"_s);
    EXPECT_EQ(OrdersAndCustomer(rjLeftOuter).Sql(stOracle),
              u"SELECT  orders.id, customer.name \r\nFROM orders, customer \r\n"
              u"WHERE (1=1) \r\n   AND (orders.cust_id (+)= customer.id) \r\n"_s);
    EXPECT_EQ(OrdersAndCustomer(rjRightOuter).Sql(stMSSQL),
              u"SELECT  orders.id, customer.name \r\nFROM orders, customer \r\n"
              u"WHERE (1=1) \r\n   AND (orders.cust_id =* customer.id) \r\n"_s);
    // A left outer join needs no inner one to reach the statement.
    EXPECT_EQ(OrdersAndCustomer(rjLeftOuter).Sql(stStandard),
              u"SELECT  orders.id, customer.name \r\nFROM orders, customer \r\n"
              u"   LEFT OUTER JOIN (orders.cust_id = customer.id) \r\nWHERE (1=1) \r\n"_s);
    // Without an engine nobody can write a join: the links add nothing.
    EXPECT_EQ(OrdersAndCustomer().Sql(std::nullopt),
              u"SELECT  orders.id, customer.name \r\nFROM orders, customer \r\n"_s);

    // Typed filter text replaces "(1=1)"; joins of one kind share a list.
    SnapshotBuilder d = OrdersAndCustomer();
    d.Snapshot.Columns[1].Where = u"customer.name <> ''"_s;
    const quintptr orders = d.Snapshot.Boxes[0].Id, customer = d.Snapshot.Boxes[1].Id;
    d.Link(orders, u"region"_s, customer, u"region"_s, rjInner, roNonEqual);
    d.Link(orders, u"id"_s, customer, u"last"_s, rjFull, roLessThan);
    EXPECT_EQ(d.Sql(stLocal), u"SELECT  orders.id, customer.name \r\nFROM orders, customer \r\n"
                              u"WHERE  (customer.name <> '') \r\n"
                              u"   AND (orders.cust_id = customer.id) AND (orders.region <> customer.region) \r\n"
                              u"   AND (orders.id <= customer.last) \r\n"_s);
    EXPECT_EQ(d.Sql(stStandard),
              u"SELECT  orders.id, customer.name \r\nFROM orders, customer \r\n"
              u"   INNER JOIN (orders.cust_id = customer.id) INNER JOIN (orders.region <> customer.region) \r\n"
              u"   FULL JOIN (orders.id <= customer.last) \r\nWHERE  (customer.name <> '') \r\n"_s);
}

TEST(SqlGenerationExamples, EdgesOfTheGrid)
{
    SnapshotBuilder d;
    const quintptr a = d.Box(u"a"_s);
    d.Box(u"b"_s);
    EXPECT_EQ(d.Sql(std::nullopt), u"FROM a, b \r\n"_s);
    d.Snapshot.Distinct = true;
    EXPECT_EQ(d.Sql(std::nullopt), u"FROM a, b \r\n"_s);
    EXPECT_EQ(SnapshotBuilder().Sql(stLocal), QString());

    // "*" never sorts; grouping needs exactly "1"; Having only counts when grouped.
    d.Snapshot.Distinct = false;
    d.Column(a, u"*"_s).Sort = u"Ascending"_s;
    TSQLColumn& x = d.Column(a, u"x"_s);
    x.Sort = u"sideways"_s;
    x.Grouping = u"0"_s;
    x.Having = u"x > 1"_s;
    d.Column(a, u"y"_s).Grouping = u"1 "_s;
    EXPECT_EQ(d.Sql(stStandard), u"SELECT  a.*, a.x, a.y \r\nFROM a, b \r\nORDER BY x\r\n"_s);

    // An engine's own template is used as given.
    d.Snapshot.Template = u"%[SELECT #fields#]%\n%[FROM #tables#]%\n%[WHERE #wherefilter#]%"_s;
    EXPECT_EQ(d.Sql(stStandard), u"SELECT a.*, a.x, a.y\r\nFROM a, b\r\n"_s);
}

TEST(SqlGenerationExamples, AggregatesAndSortsFollowTheLoadedTexts)
{
    SnapshotBuilder d;
    const quintptr t = d.Box(u"t"_s);
    const std::pair<const char*, const char*> cells[] = {{"a", "Average"}, {"b", "Count"}, {"c", "Maximum"},
                                                         {"d", "Minimum"}, {"e", "Summa"}, {"f", "count"},
                                                         {"g", "Total"}};
    for (const auto& [field, cell] : cells)
        d.Column(t, QString::fromLatin1(field)).Calculate = QString::fromLatin1(cell);
    d.Snapshot.Columns[0].Sort = u"Descending"_s;
    d.Snapshot.Columns[1].Sort = u"Ascending"_s;
    EXPECT_EQ(d.Sql(std::nullopt), u"SELECT  AVG(t.a), COUNT(t.b), MAX(t.c), MIN(t.d), SUM(t.e), t.f, t.g \r\n"
                                   u"FROM t \r\nORDER BY a DESC, b ASC\r\n"_s);

    SetResourceStringTable({{strValueSUM.Id(), u"Summe"_s}, {strSortDESC.Id(), u"absteigend"_s}});
    SnapshotBuilder g;
    const quintptr u = g.Box(u"u"_s);
    g.Column(u, u"a"_s).Calculate = u"Summe"_s;
    g.Column(u, u"b"_s).Calculate = u"Summa"_s;
    g.Snapshot.Columns[0].Sort = u"absteigend"_s;
    g.Snapshot.Columns[1].Sort = u"Descending"_s;
    const QString translated = g.Sql(std::nullopt);
    ResetResourceStringTable();
    EXPECT_EQ(translated, u"SELECT  SUM(u.a), u.b \r\nFROM u \r\nORDER BY a DESC, b\r\n"_s);
}

TEST(SqlGenerationNames, RepeatedCaptionsGetTheirItemIndexAsAlias)
{
    SnapshotBuilder d;
    const quintptr first = d.Box(u"emp"_s);
    const quintptr second = d.Box(u"emp"_s);
    d.Box(u"Emp"_s); // case counts: not a repeat
    d.Column(first, u"name"_s);
    d.Column(second, u"name"_s);
    EXPECT_EQ(d.Sql(std::nullopt), u"SELECT  emp0.name, emp1.name \r\nFROM emp emp0, emp emp1, Emp \r\n"_s);
    d.Link(first, u"boss"_s, second, u"id"_s);
    EXPECT_EQ(d.Sql(stStandard), u"SELECT  emp1.name, emp2.name \r\nFROM emp emp1, emp emp2, Emp \r\n"
                                 u"   INNER JOIN (emp1.boss = emp2.id) \r\nWHERE (1=1) \r\n"_s);
}

TEST(SqlGenerationNames, BlanksFullStopsAndQuotesAreQuoted)
{
    SnapshotBuilder d;
    const quintptr details = d.Box(u"Order Details"_s);
    const quintptr orders = d.Box(u"orders"_s);
    TSQLColumn& price = d.Column(details, u"Unit Price"_s);
    price.Sort = u"Descending"_s;
    price.Grouping = u"1"_s;
    d.Column(details, u"a.b"_s).Grouping = u"1"_s;
    d.Link(orders, u"id"_s, details, u"Unit Price"_s);
    EXPECT_EQ(d.Sql(stStandard), u"SELECT  \"Order Details\".\"Unit Price\", \"Order Details\".\"a.b\" \r\n"
                                 u"FROM \"Order Details\", orders \r\n"
                                 u"   INNER JOIN (orders.id = \"Order Details\".\"Unit Price\") \r\n"
                                 u"WHERE (1=1) \r\nGROUP BY \"Unit Price\", \"a.b\" \r\n"
                                 u"ORDER BY \"Unit Price\" DESC\r\n"_s);

    // A quote inside a name is doubled inside quotes, aliases included; a full
    // stop alone leaves a table name bare (it may name a schema).
    SnapshotBuilder q;
    const quintptr one = q.Box(u"q\""_s);
    q.Box(u"q\""_s);
    q.Box(u"public.t"_s);
    q.Column(one, u"say \"hi\""_s).Grouping = u"1"_s;
    EXPECT_EQ(q.Sql(std::nullopt), u"SELECT  \"q\"\"0\".\"say \"\"hi\"\"\" \r\n"
                                   u"FROM \"q\"\"\" \"q\"\"0\", \"q\"\"\" \"q\"\"1\", public.t \r\n"
                                   u"GROUP BY \"say \"\"hi\"\"\" \r\n"_s);
    EXPECT_EQ(FieldName(u"plain"), u"plain"_s);
    EXPECT_EQ(FieldName(u"\""), u"\"\"\"\""_s);
}

TEST(SqlGenerationNames, HooksNameTablesAsTheyAreAndFieldsQuoted)
{
    SnapshotBuilder d;
    const quintptr a = d.Box(u"a"_s);
    const quintptr b = d.Box(u"b"_s);
    d.Link(a, u"x"_s, b, u"y"_s);
    TSQLColumn& column = d.Column(b, u"y"_s);
    column.Field.Id = 7;
    column.Sort = u"Ascending"_s;
    d.Snapshot.OnGetTableName = [](const TSQLBox& box, int itemIndex, bool isAlias) {
        return box.Caption + (isAlias ? u" as "_s : u" is "_s) + QString::number(itemIndex);
    };
    d.Snapshot.OnGetFieldName = [](const TSQLField& field) { return field.Id == 7 ? u"f 7"_s : field.Caption; };
    EXPECT_EQ(d.Sql(stLocal), u"SELECT  b as 2.\"f 7\" \r\nFROM a is 1, b is 2 \r\nWHERE (1=1) \r\n"
                              u"   AND (a as 1.x = b as 2.y) \r\nORDER BY \"f 7\" ASC\r\n"_s);

    // A hook that answers "*" keeps the column out of the sort list.
    d.Snapshot.OnGetFieldName = [](const TSQLField&) { return u"*"_s; };
    d.Snapshot.OnGetTableName = {};
    EXPECT_EQ(d.Sql(std::nullopt), u"SELECT  b.* \r\nFROM a, b \r\n"_s);

    const TSQLTableNames names(d.Snapshot.Boxes);
    EXPECT_EQ(names.TableName(quintptr(999), false), QString());
    EXPECT_EQ(names.TableName(nullptr, true), QString());
}

TEST(SqlGenerationNames, UserTextArrivesVerbatimWhateverMacrosOrMarkersItHolds)
{
    SnapshotBuilder d;
    const quintptr customer = d.Box(u"customer"_s);
    TSQLColumn& name = d.Column(customer, u"name"_s);
    name.Sort = u"Ascending"_s;
    name.Where = u"code = '#orders#'"_s;
    TSQLColumn& id = d.Column(customer, u"id"_s);
    id.Where = u"a ]% b %[ c"_s;
    id.Grouping = u"1"_s;
    id.Having = u"n = '#wherefilter#'"_s;
    EXPECT_EQ(d.Sql(stStandard), u"SELECT  customer.name, customer.id \r\nFROM customer \r\n"
                                 u"WHERE  (code = '#orders#') AND (a ]% b %[ c) \r\nGROUP BY id \r\n"
                                 u"HAVING  (n = '#wherefilter#') \r\nORDER BY name ASC\r\n"_s);

    SnapshotBuilder n;
    const quintptr box = n.Box(u"#fields#"_s);
    n.Column(box, u"%[x"_s).Sort = u"Descending"_s;
    n.Column(box, u"#tables#]%"_s);
    EXPECT_EQ(n.Sql(stLocal), u"SELECT  #fields#.%[x, #fields#.#tables#]% \r\nFROM #fields# \r\n"
                              u"ORDER BY %[x DESC\r\n"_s);
}
