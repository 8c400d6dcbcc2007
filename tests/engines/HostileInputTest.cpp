// What a careless or hostile caller feeds the engines: odd database names, damaged
// files, statements with something appended, masks built to be slow, and list
// handlers that raise.

#include "EngineTestSupport.h"

#include <schemakit/diagram/SchmCntr.h>
#include <schemakit/engines/ZBDB.h>
#include <schemakit/sqlparser/SqlParser.h>

#include <QFile>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace schemakit;
using namespace schemakit::test;
using namespace Qt::StringLiterals;

namespace {

class HostileInput : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath(u"sample.db"_s);
        CreateSampleSqlite(path);
    }

    QStringList Tables(TSchemaBDEDataEngine& e)
    {
        TStringList list;
        e.FillItemList(list);
        return list.ToQStringList();
    }

    QTemporaryDir dir;
    QString path;
    TSchemaBDEDataEngine engine;
};

// A file holding one table of `rows` rows of about 200 bytes, so that it spans
// many pages; returns the page size.
int CreateBigTable(const QString& file, int rows)
{
    int pageSize = 0;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"big"_s);
        db.setDatabaseName(file);
        EXPECT_TRUE(db.open());
        QSqlQuery q(db);
        EXPECT_TRUE(q.exec(u"CREATE TABLE big (id INTEGER PRIMARY KEY, payload TEXT)"_s));
        db.transaction();
        EXPECT_TRUE(q.prepare(u"INSERT INTO big (payload) VALUES (?)"_s));
        for (int i = 0; i < rows; ++i) {
            q.addBindValue(QString(200, QChar(u'a' + i % 26)));
            EXPECT_TRUE(q.exec());
        }
        db.commit();
        EXPECT_TRUE(q.exec(u"PRAGMA page_size"_s) && q.next());
        pageSize = q.value(0).toInt();
    }
    QSqlDatabase::removeDatabase(u"big"_s);
    return pageSize;
}

} // namespace

TEST_F(HostileInput, MissingFilesAreNeverCreatedWhateverTheNameSays)
{
    for (const QString& name :
         {u"file:%1"_s, u"file:%1?cache=shared"_s, u"file:%1?mode=rwc"_s, u"file:%1?mode=rwc&cache=private#frag"_s}) {
        const QString missing = dir.filePath(u"missing.sqlite"_s);
        TSchemaBDEDataEngine e;
        e.SetDatabaseName(name.arg(missing));
        EXPECT_EQ(ErrorOf([&] { Tables(e); }), u"unable to open database file"_s) << name.toStdString();
        EXPECT_FALSE(QFile::exists(missing)) << name.toStdString();
    }
    // The URI form still reaches a file that is there, read-only included.
    TSchemaBDEDataEngine e;
    e.SetDatabaseName(u"file:"_s + path);
    EXPECT_EQ(Tables(e), SampleTables());
    e.SetDatabaseName(u"file:"_s + path + u"?mode=ro"_s);
    EXPECT_EQ(Tables(e), SampleTables());
    EXPECT_FALSE(ErrorOf([&] { e.ExecSQL(u"DELETE FROM regions"_s); }).isEmpty());

    // SQLite reads a name only up to a NUL; the engine refuses such a name
    // instead of opening the file before it.
    e.SetDatabaseName(path + QChar(0) + u".missing"_s);
    EXPECT_EQ(ErrorOf([&] { Tables(e); }), u"The database name contains a NUL character"_s);
    EXPECT_EQ(ErrorOf([&] { e.ExecSQL(u"SELECT 1"_s); }), u"The database name contains a NUL character"_s);
    e.SetDatabaseName(u"file:"_s + path + QChar(0));
    EXPECT_EQ(ErrorOf([&] { Tables(e); }), u"The database name contains a NUL character"_s);
}

TEST_F(HostileInput, ADamagedTableReportsTheRowsItCouldNotFetch)
{
    const QString file = dir.filePath(u"damaged.db"_s);
    const int pageSize = CreateBigTable(file, 3000);
    ASSERT_GT(pageSize, 0);
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        const qint64 pages = f.size() / pageSize;
        ASSERT_GT(pages, 100);
        f.seek(pageSize * (pages * 3 / 4));
        f.write(QByteArray(pageSize, '\xA5'));
    }
    engine.SetDatabaseName(file);
    QAbstractItemModel* result = engine.ExecSQL(u"SELECT * FROM big"_s);
    ASSERT_EQ(result, engine.Query());
    QSignalSpy failed(engine.Query(), &TSchemaQueryModel::fetchFailed);
    while (result->canFetchMore(QModelIndex()))
        result->fetchMore(QModelIndex());
    EXPECT_LT(result->rowCount(), 3000);
    ASSERT_EQ(failed.count(), 1);
    EXPECT_EQ(failed.at(0).at(0).toString(), engine.Query()->FetchError());
    EXPECT_TRUE(engine.Query()->FetchError().contains(u"malformed"_s)) << engine.Query()->FetchError().toStdString();
    EXPECT_TRUE(engine.Query()->lastError().isValid());
    EXPECT_EQ(ErrorOf([&] { engine.Query()->FetchAll(); }), engine.Query()->FetchError());
    try {
        engine.Query()->FetchAll();
        ADD_FAILURE() << "FetchAll raised nothing";
    } catch (const EDatabaseError& e) {
        EXPECT_EQ(e.Statement(), u"SELECT * FROM big"_s);
        EXPECT_EQ(e.NativeErrorCode(), u"11"_s); // SQLITE_CORRUPT
    }

    // The same through FetchAll at once, and a sound statement clears the state.
    engine.ExecSQL(u"SELECT * FROM big"_s);
    EXPECT_TRUE(engine.Query()->FetchError().isEmpty());
    EXPECT_TRUE(ErrorOf([&] { engine.Query()->FetchAll(); }).contains(u"malformed"_s));
    engine.ExecSQL(u"SELECT 1"_s);
    EXPECT_TRUE(engine.Query()->FetchError().isEmpty());
    EXPECT_FALSE(engine.Query()->lastError().isValid());
    EXPECT_EQ(failed.count(), 2);

    // An intact table of the same size fetches whole, without a word.
    const QString sound = dir.filePath(u"sound.db"_s);
    CreateBigTable(sound, 3000);
    engine.SetDatabaseName(sound);
    engine.ExecSQL(u"SELECT * FROM big"_s);
    engine.Query()->FetchAll();
    EXPECT_EQ(engine.Query()->rowCount(), 3000);
    EXPECT_EQ(failed.count(), 2);
}

TEST_F(HostileInput, OneStatementRunsAndASecondIsRefusedWithAnExplanation)
{
    engine.SetDatabaseName(path);
    const QString refused = ErrorOf([&] { engine.ExecSQL(u"SELECT 1; DROP TABLE regions"_s); });
    EXPECT_EQ(refused, u"Unable to execute multiple statements at a time"_s);
    EXPECT_TRUE(Tables(engine).contains(u"regions"_s));

    for (const QString& sql : {u"SELECT * FROM regions; -- note"_s, u"SELECT * FROM regions;\n\n"_s,
                               u"SELECT * FROM regions ;; /* done */ ;"_s, u"SELECT * FROM regions -- no semicolon"_s,
                               u"SELECT * FROM regions WHERE name <> 'a;b' /* ; */"_s}) {
        QAbstractItemModel* result = nullptr;
        EXPECT_NO_THROW(result = engine.ExecSQL(sql)) << sql.toStdString();
        ASSERT_NE(result, nullptr);
        EXPECT_EQ(result->rowCount(), 4) << sql.toStdString();
    }
    // Empty and blank texts behave alike: no statement is an error.
    for (const QString& sql : {u""_s, u"   "_s, u"\n-- only a comment\n"_s, u";"_s})
        EXPECT_EQ(ErrorOf([&] { engine.ExecSQL(sql); }), u"There is no SQL statement to execute"_s)
            << sql.toStdString();
    // No message ever calls a failure "not an error".
    QSqlError driverOnly(u"Unable to execute multiple statements at a time"_s, u"not an error"_s,
                         QSqlError::StatementError);
    EXPECT_EQ(DatabaseErrorText(driverOnly), u"Unable to execute multiple statements at a time"_s);
}

TEST(EngineStatement, SemicolonsInsideQuotesAndCommentsDoNotSplit)
{
    struct Case {
        QString sql;
        QString statement; // empty: refused as two statements
    };
    const Case cases[] = {
        {u"SELECT ';' ; "_s, u"SELECT ';' "_s},
        {u"SELECT 'it''s;' AS \"a;\"\"b\";"_s, u"SELECT 'it''s;' AS \"a;\"\"b\""_s},
        {u"SELECT `x;y`, [p;q] FROM t;"_s, u"SELECT `x;y`, [p;q] FROM t"_s},
        {u"SELECT E'\\';' ; -- x"_s, u"SELECT E'\\';' "_s},
        {u"SELECT $$a;b$$, $tag$ ; $$ ; $tag$;"_s, u"SELECT $$a;b$$, $tag$ ; $$ ; $tag$"_s},
        {u"SELECT 1 /* a /* nested ; */ still ; */;"_s, u"SELECT 1 /* a /* nested ; */ still ; */"_s},
        {u"SELECT $1 ; SELECT 2"_s, {}},
        {u"SELECT 'a' ; DELETE FROM t"_s, {}},
        {u"SELECT 1; /* c */ x"_s, {}},
        {u"SELECT 'unterminated ; DROP"_s, u"SELECT 'unterminated ; DROP"_s},
    };
    for (const Case& c : cases) {
        if (c.statement.isEmpty())
            EXPECT_EQ(ErrorOf([&] { SingleStatement(c.sql); }), u"Unable to execute multiple statements at a time"_s)
                << c.sql.toStdString();
        else
            EXPECT_EQ(SingleStatement(c.sql), c.statement) << c.sql.toStdString();
    }
}

namespace {

// The matcher before masks were compiled, kept as the reference the compiled
// one must agree with: it rescans a set for its closing bracket at every use.
bool ReferenceSet(QStringView mask, qsizetype& m, QChar c)
{
    const auto fold = [](QChar x) { return x.toCaseFolded().unicode(); };
    const qsizetype start = m;
    qsizetype i = m + 1;
    const bool negate = i < mask.size() && mask[i] == u'!';
    if (negate)
        ++i;
    bool found = false, first = true;
    while (i < mask.size() && (first || mask[i] != u']')) {
        first = false;
        const char32_t low = fold(mask[i]);
        char32_t high = low;
        if (i + 2 < mask.size() && mask[i + 1] == u'-' && mask[i + 2] != u']') {
            high = fold(mask[i + 2]);
            i += 2;
        }
        found = found || (fold(c) >= low && fold(c) <= high);
        ++i;
    }
    if (i >= mask.size()) {
        m = start + 1;
        return fold(c) == fold(u'[');
    }
    m = i + 1;
    return found != negate;
}

bool ReferenceGlob(QStringView name, QStringView mask)
{
    if (mask.isEmpty())
        return name.isEmpty();
    if (mask[0] == u'*')
        return ReferenceGlob(name, mask.mid(1)) || (!name.isEmpty() && ReferenceGlob(name.mid(1), mask));
    if (name.isEmpty())
        return false;
    qsizetype next = 1;
    bool ok = mask[0] == u'?';
    if (!ok && mask[0] == u'[') {
        next = 0;
        ok = ReferenceSet(mask, next, name[0]);
    } else if (!ok) {
        ok = mask[0].toCaseFolded() == name[0].toCaseFolded();
    }
    return ok && ReferenceGlob(name.mid(1), mask.mid(next));
}

bool ReferenceMatch(QStringView name, QStringView mask)
{
    if (mask.isEmpty() || mask == u"*" || mask == u"*.*")
        return true;
    return ReferenceGlob(name, mask) || (mask.endsWith(u".*") && ReferenceGlob(name, mask.chopped(2)));
}

} // namespace

TEST(EngineNames, CompiledMasksAgreeWithRescanningAndStayLinearOnBrackets)
{
    QRandomGenerator random(7);
    const QString maskChars = u"ab*?[]!-.A"_s;
    const QString nameChars = u"abAB.[]-!"_s;
    auto pick = [&](const QString& from, int length) {
        QString s;
        for (int i = 0; i < length; ++i)
            s += from[random.bounded(from.size())];
        return s;
    };
    int matches = 0;
    for (int round = 0; round < 20000; ++round) {
        const QString mask = pick(maskChars, random.bounded(8));
        const QString name = pick(nameChars, random.bounded(8));
        const bool expected = ReferenceMatch(name, mask);
        matches += expected;
        ASSERT_EQ(MatchesMask(name, mask), expected) << name.toStdString() << " ~ " << mask.toStdString();
    }
    EXPECT_GT(matches, 1000); // the comparison saw both answers

    // Ten thousand unclosed brackets used to cost a rescan of the mask per
    // character compared: hours. Compiled, this is instant.
    const QString name = QString(10000, u'[') + u'z';
    const TNameMask mask(u'*' + QString(10000, u'[') + u'x');
    EXPECT_FALSE(mask.Matches(name));
    EXPECT_TRUE(TNameMask(u'*' + QString(10000, u'[') + u'Z').Matches(name));
    EXPECT_TRUE(TNameMask(QString(5000, u'[') + u'*').Matches(name));
}

TEST(EngineLists, AHandlerThatRaisesWhenTheUpdateEndsReachesTheCaller)
{
    struct Raised {};
    TStringList list;
    list.OnChange = [](TStringList*) { throw Raised(); };
    TSQLParser select(u"SELECT a FROM T"_s);
    EXPECT_THROW(select.GetSelectTableNames(list), Raised);
    EXPECT_EQ(list.UpdateCount(), 0);
    EXPECT_EQ(list.Count(), 1);
    list.OnChange = nullptr;
    list.Add(u"x"_s);
    list.OnChange = [](TStringList*) { throw Raised(); };
    TSQLParser update(u"UPDATE T SET a = 1"_s);
    EXPECT_THROW(update.GetUpdateFields(list), Raised);
    EXPECT_EQ(list.UpdateCount(), 0);

    // On a path that already raises, the first error wins and nothing ends.
    TSchemaCustomDataEngine engine;
    engine.OnGetItemList = [](QObject*, TStringList& l) {
        l.Add(u"t"_s);
        throw Exception(u"handler failed"_s);
    };
    EXPECT_EQ(ErrorOf([&] { engine.FillItemList(list); }), u"handler failed"_s);
    EXPECT_EQ(list.UpdateCount(), 0);
    engine.OnGetItemList = nullptr;
    EXPECT_THROW(engine.FillItemList(list), Raised);
    EXPECT_EQ(list.UpdateCount(), 0);

    // A list can take its own entries.
    TStringList self;
    self.Add(u"a"_s);
    self.Add(u"b"_s);
    self.AddStrings(self);
    EXPECT_EQ(self.ToQStringList(), QStringList({u"a"_s, u"b"_s, u"a"_s, u"b"_s}));
}
