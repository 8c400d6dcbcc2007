#include <schemakit/builder/SqlGeneration.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace schemakit;
using namespace Qt::StringLiterals;

namespace {

// Every user text carries an upper-case tag that no template text holds, so
// that cutting the user texts out of a statement leaves only what the
// template and the generator wrote; and most carry something a careless
// expansion would take for its own.
const QString kCaptions[] = {u"T1"_s,   u"T1"_s,   u"T2 two"_s, u"T3\"q"_s,          u"T4#orders#"_s,
                             u"T5%["_s, u"T6]%"_s, u"T7.x"_s,   u"T8 %[#tables#]%"_s};
const QString kFields[] = {u"F1"_s, u"F2 y"_s, u"F3.z"_s, u"F4\""_s, u"F5#wherefilter#"_s,
                           u"*"_s,  u"F6]%"_s, u"F7%["_s};
const QString kWheres[] = {QString(),
                           QString(),
                           u"W1 x > 1"_s,
                           u"W2 code = '#orders#'"_s,
                           u"W3 %[ a ]%"_s,
                           u"W4 \"#fields#\" ]%"_s,
                           u"W5 '%[#distinct#'"_s};
const QString kHavings[] = {QString(), u"H1 COUNT(*) > 1"_s, u"H2 '#havingfilter#'"_s, u"H3 ]% %["_s};
const QString kCalculates[] = {QString(), u"Count"_s, u"Average"_s, u"Summa"_s, u"Maximum"_s, u"bogus"_s};
const QString kSorts[] = {QString(), u"Ascending"_s, u"Descending"_s, u"other"_s};
const QString kGroupings[] = {QString(), u"0"_s, u"1"_s, u"1"_s};
const QStringView kMacros[] = {u"#distinct#",       u"#fields#",          u"#tables#",    u"#innerjoins#",
                               u"#leftouterjoins#", u"#rightouterjoins#", u"#fulljoins#", u"#wherefilter#",
                               u"#groups#",         u"#havingfilter#",    u"#orders#"};

template <typename T, std::size_t N>
const T& Pick(std::mt19937& random, const T (&pool)[N])
{
    return pool[std::uniform_int_distribution<std::size_t>(0, N - 1)(random)];
}

int Below(std::mt19937& random, int n)
{
    return std::uniform_int_distribution<int>(0, n - 1)(random);
}

TSQLSnapshot RandomSnapshot(std::mt19937& random)
{
    TSQLSnapshot snapshot;
    const int boxes = Below(random, 7);
    const int links = boxes == 0 ? 0 : Below(random, 8);
    for (int i = 0; i < boxes; ++i)
        snapshot.Boxes.append({quintptr(10 + i), Pick(random, kCaptions), links + i});
    for (int i = 0; i < links; ++i) {
        const quintptr parent = 10 + Below(random, boxes), child = 10 + Below(random, boxes);
        snapshot.Links.append({{parent, Pick(random, kFields), 0},
                               {child, Pick(random, kFields), 0},
                               TSDRelationOperator(Below(random, 6)),
                               TSDRelationJoin(Below(random, 4))});
    }
    // One column per row of a box at most, as in the grid, in random order.
    for (const TSQLBox& box : std::as_const(snapshot.Boxes)) {
        for (const QString& field : kFields) {
            if (Below(random, 3) != 0)
                continue;
            TSQLColumn column;
            column.Field = {box.Id, field, 0};
            column.Calculate = Pick(random, kCalculates);
            column.Sort = Pick(random, kSorts);
            column.Where = Pick(random, kWheres);
            column.Grouping = Pick(random, kGroupings);
            column.Having = Pick(random, kHavings);
            snapshot.Columns.append(column);
        }
    }
    std::shuffle(snapshot.Columns.begin(), snapshot.Columns.end(), random);
    snapshot.Distinct = Below(random, 2) == 1;
    return snapshot;
}

QString Doubled(QString text)
{
    return text.replace(u"\""_s, u"\"\""_s);
}

// The statement with every user text cut out (each cut leaves a mark, so that
// no two characters meet that did not stand side by side).
QString Skeleton(QString text, const TSQLSnapshot& snapshot)
{
    QStringList userTexts;
    for (const TSQLBox& box : snapshot.Boxes)
        userTexts << box.Caption << Doubled(box.Caption);
    for (const TSQLColumn& column : snapshot.Columns)
        userTexts << column.Field.Caption << Doubled(column.Field.Caption) << column.Where << column.Having;
    for (const TSQLLink& link : snapshot.Links)
        userTexts << link.Parent.Caption << Doubled(link.Parent.Caption) << link.Child.Caption
                  << Doubled(link.Child.Caption);
    userTexts.removeAll(QString());
    userTexts.removeDuplicates();
    std::sort(userTexts.begin(), userTexts.end(),
              [](const QString& a, const QString& b) { return a.size() > b.size(); });
    for (const QString& userText : std::as_const(userTexts))
        text.replace(userText, u"\x01"_s);
    return text;
}

void CheckInvariants(const TSQLSnapshot& snapshot, const QString& sql)
{
    // Lines: every one ends with CR LF, and no break stands alone.
    if (!sql.isEmpty()) {
        EXPECT_TRUE(sql.endsWith(u"\r\n"));
    }
    for (qsizetype i = 0; i < sql.size(); ++i) {
        if (sql[i] == u'\r') {
            ASSERT_TRUE(i + 1 < sql.size() && sql[i + 1] == u'\n') << i;
        }
        if (sql[i] == u'\n') {
            ASSERT_TRUE(i > 0 && sql[i - 1] == u'\r') << i;
        }
    }

    // The field list: one entry per used column, in column order, each the
    // column's qualified field, bare or inside an aggregate.
    const TSQLTableNames names(snapshot.Boxes);
    const QString firstLine = sql.left(sql.indexOf(u"\r\n"));
    if (snapshot.Columns.isEmpty()) {
        EXPECT_FALSE(sql.startsWith(u"SELECT"));
    } else {
        const QString prefix = snapshot.Distinct ? u"SELECT DISTINCT "_s : u"SELECT  "_s;
        ASSERT_TRUE(firstLine.startsWith(prefix) && firstLine.endsWith(u' ')) << firstLine.toStdString();
        const QStringList entries = firstLine.sliced(prefix.size()).chopped(1).split(u", "_s);
        ASSERT_EQ(entries.size(), snapshot.Columns.size()) << firstLine.toStdString();
        for (qsizetype i = 0; i < entries.size(); ++i) {
            const TSQLField& field = snapshot.Columns[i].Field;
            const QString qualified = names.TableName(field.Box, true) + u'.' + FieldName(field.Caption);
            EXPECT_TRUE(entries[i] == qualified || entries[i].endsWith(u'(' + qualified + u')'))
                << entries[i].toStdString() << " / " << qualified.toStdString();
        }
    }

    // Filters verbatim in parentheses.
    for (const TSQLColumn& column : snapshot.Columns) {
        if (!column.Where.isEmpty()) {
            EXPECT_TRUE(sql.contains(u'(' + column.Where + u')')) << column.Where.toStdString();
        }
        if (column.Grouping == u"1"_s && !column.Having.isEmpty()) {
            EXPECT_TRUE(sql.contains(u'(' + column.Having + u')')) << column.Having.toStdString();
        }
    }

    // Nothing of the template's machinery is left outside user text.
    const QString skeleton = Skeleton(sql, snapshot);
    EXPECT_FALSE(skeleton.contains(u"%[") || skeleton.contains(u"]%") || skeleton.contains(u'#'))
        << skeleton.toStdString();
    for (QStringView macro : kMacros)
        EXPECT_FALSE(skeleton.contains(macro));
}

} // namespace

TEST(SqlGenerationProperties, RandomDiagramsKeepTheInvariantsInEveryDialect)
{
    const std::optional<TSQLSubType> dialects[] = {std::nullopt, stStandard, stLocal, stOracle, stMSSQL, stAnsi};
    for (unsigned seed = 1; seed <= 400; ++seed) {
        std::mt19937 random(seed);
        const TSQLSnapshot base = RandomSnapshot(random);
        const TSQLTableNames names(base.Boxes);
        const auto qualified = [&](const TSQLField& field) {
            return names.TableName(field.Box, true) + u'.' + FieldName(field.Caption);
        };
        for (const std::optional<TSQLSubType>& dialect : dialects) {
            SCOPED_TRACE(testing::Message() << "seed " << seed << ", dialect " << (dialect ? int(*dialect) : -1));
            TSQLSnapshot snapshot = base;
            snapshot.Dialect = dialect;
            const QString sql = GenerateSQL(snapshot);
            CheckInvariants(snapshot, sql);

            // Every link's join text stands in the statement, once an engine
            // can write it; in stAnsi a link within one box filters.
            for (const TSQLLink& link : std::as_const(snapshot.Links)) {
                const QString script = SQLJoinScript(dialect.value_or(stStandard), qualified(link.Parent),
                                                     qualified(link.Child), link.Operator, link.Join);
                if (!dialect) {
                    EXPECT_FALSE(sql.contains(u"(1=1)"));
                } else if (dialect == stAnsi && link.Parent.Box == link.Child.Box) {
                    EXPECT_GT(sql.indexOf(script), sql.indexOf(u"\r\nWHERE "));
                } else {
                    EXPECT_TRUE(sql.contains(script)) << script.toStdString();
                }
            }
            if (dialect == stAnsi) {
                const QStringList lines = sql.split(u"\r\n"_s);
                const auto from = std::find_if(lines.begin(), lines.end(),
                                               [](const QString& line) { return line.startsWith(u"FROM "); });
                ASSERT_EQ(from == lines.end(), snapshot.Boxes.isEmpty());
                for (const TSQLBox& box : std::as_const(snapshot.Boxes))
                    EXPECT_TRUE(from->contains(names.TableName(&box, false)));
                EXPECT_FALSE(sql.contains(u"(1=1)"));
            }
        }
    }
}
