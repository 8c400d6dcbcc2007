// Random diagrams and grids, turned into stAnsi statements, must be statements
// SQLite accepts: every name quoted where it needs it, every alias declared
// before it is used, every join in a place the grammar allows. The names and
// texts are valid SQL on their own (odd ones included: blanks, double quotes,
// texts that look like the template's macros), so a refusal is the
// generator's fault.

#include "EngineTestSupport.h"

#include <schemakit/builder/SqlGeneration.h>

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVersionNumber>

#include <gtest/gtest.h>

#include <random>

using namespace schemakit;
using namespace schemakit::test;
using namespace Qt::StringLiterals;

namespace {

const QString kTables[] = {u"t1"_s, u"t1"_s, u"two words"_s, u"say \"hi\""_s, u"t3"_s};
const QString kFields[] = {u"a"_s, u"b c"_s, u"d\"e"_s};
const QString kWheres[] = {QString(), QString(), u"1 = 1"_s, u"'#orders#' <> ''"_s, u"'%[x]%' LIKE '%'"_s};
const QString kHavings[] = {QString(), u"COUNT(*) > 0"_s, u"'#havingfilter#' = '#havingfilter#'"_s};
const QString kCalculates[] = {QString(), u"Count"_s, u"Average"_s, u"Summa"_s, u"Maximum"_s, u"Minimum"_s};
const QString kSorts[] = {QString(), u"Ascending"_s, u"Descending"_s};

template <typename T, std::size_t N>
const T& Pick(std::mt19937& random, const T (&pool)[N])
{
    return pool[std::uniform_int_distribution<std::size_t>(0, N - 1)(random)];
}

int Below(std::mt19937& random, int n)
{
    return std::uniform_int_distribution<int>(0, n - 1)(random);
}

QString Quoted(const QString& name)
{
    return u'"' + QString(name).replace(u"\""_s, u"\"\""_s) + u'"';
}

TSQLSnapshot RandomDiagram(std::mt19937& random, bool rightAndFull)
{
    TSQLSnapshot snapshot;
    snapshot.Dialect = stAnsi;
    const int boxes = 1 + Below(random, 5);
    const int links = Below(random, 7);
    for (int i = 0; i < boxes; ++i)
        snapshot.Boxes.append({quintptr(10 + i), Pick(random, kTables), links + i});
    for (int i = 0; i < links; ++i) {
        const auto join = TSDRelationJoin(Below(random, rightAndFull ? 4 : 2));
        snapshot.Links.append({{quintptr(10 + Below(random, boxes)), Pick(random, kFields), 0},
                               {quintptr(10 + Below(random, boxes)), Pick(random, kFields), 0},
                               TSDRelationOperator(Below(random, 6)),
                               join});
    }
    for (const TSQLBox& box : std::as_const(snapshot.Boxes)) {
        if (Below(random, 4) == 0) {
            TSQLColumn all;
            all.Field = {box.Id, u"*"_s, 0};
            all.Sort = Pick(random, kSorts);
            all.Where = Pick(random, kWheres);
            snapshot.Columns.append(all);
        }
        for (const QString& field : kFields) {
            if (Below(random, 2) != 0)
                continue;
            TSQLColumn column;
            column.Field = {box.Id, field, 0};
            column.Calculate = Pick(random, kCalculates);
            column.Sort = Pick(random, kSorts);
            column.Where = Pick(random, kWheres);
            column.Grouping = Below(random, 3) == 0 ? u"1"_s : QString();
            column.Having = Pick(random, kHavings);
            snapshot.Columns.append(column);
        }
    }
    std::shuffle(snapshot.Columns.begin(), snapshot.Columns.end(), random);
    snapshot.Distinct = Below(random, 2) == 1;
    return snapshot;
}

} // namespace

TEST(AnsiStatements, RandomDiagramsGiveStatementsSqliteAccepts)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"ansi-accepted"_s);
    db.setDatabaseName(u":memory:"_s);
    ASSERT_TRUE(db.open()) << db.lastError().text().toStdString();
    {
        QSqlQuery query(db);
        QStringList columns;
        for (const QString& field : kFields)
            columns << Quoted(field) + u" INTEGER"_s;
        QSet<QString> made;
        for (const QString& table : kTables) {
            if (!made.contains(table)) {
                made.insert(table);
                ASSERT_TRUE(query.exec(u"CREATE TABLE %1 (%2)"_s.arg(Quoted(table), columns.join(u", "_s))))
                    << query.lastError().text().toStdString();
            }
        }
        ASSERT_TRUE(query.exec(u"SELECT sqlite_version()"_s) && query.next());
        const bool rightAndFull = QVersionNumber::fromString(query.value(0).toString()) >= QVersionNumber(3, 39);

        int checked = 0;
        for (unsigned seed = 1; seed <= 300; ++seed) {
            std::mt19937 random(seed);
            const TSQLSnapshot snapshot = RandomDiagram(random, rightAndFull);
            if (snapshot.Columns.isEmpty())
                continue;
            const QString sql = GenerateSQL(snapshot);
            QSqlQuery statement(db);
            EXPECT_TRUE(statement.prepare(sql))
                << "seed " << seed << ": " << statement.lastError().text().toStdString() << "\n"
                << sql.toStdString();
            ++checked;
        }
        EXPECT_GT(checked, 200);
    }
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(u"ansi-accepted"_s);
}
