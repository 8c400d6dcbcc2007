#include <schemakit/package/Exceptions.h>
#include <schemakit/package/StringList.h>
#include <schemakit/sqlparser/SqlParser.h>

#include <gtest/gtest.h>

#include <stdexcept>

using namespace schemakit;

// Only A to Z fold: to the keyword test, Ä and ä are different letters.
TEST(sqlparser_api, TokenSymbolIsFoldsAsciiLettersOnly)
{
    TSQLParser p(QStringLiteral("\t Äb"));
    EXPECT_TRUE(p.TokenSymbolIs(u"ÄB"));
    EXPECT_FALSE(p.TokenSymbolIs(u"äb"));
    EXPECT_EQ(p.TokenPos(), 2);
    EXPECT_EQ(p.SourcePos(), 4);
}

// The parser must stop at the text's own end even when no NUL follows it in memory.
TEST(sqlparser_api, ScansUnterminatedRawTextToItsEnd)
{
    static const char16_t raw[] = {u'A', u' ', u'/', u'*', u'x', u' ', u'\'', u'q'};
    const QString text = QString::fromRawData(reinterpret_cast<const QChar*>(raw), 4);
    TSQLParser p(text);
    EXPECT_EQ(p.TokenString(), QStringLiteral("A"));
    EXPECT_EQ(p.NextToken(), stComment);
    EXPECT_EQ(p.TokenString(), QStringLiteral("/*"));
    EXPECT_EQ(p.NextToken(), stEnd);
}

// A handler's exception ends the walk and reaches the caller; the parser stays usable.
TEST(sqlparser_api, ParseLetsHandlerExceptionsThrough)
{
    TSQLParser p(QStringLiteral("SELECT A, B FROM T"));
    int calls = 0;
    p.OnParsed = [&](TSQLParser* sender, TSQLToken, TSQLClause, QStringView value) {
        EXPECT_EQ(sender, &p);
        ++calls;
        if (value == u"A")
            throw std::runtime_error("stop");
    };
    EXPECT_THROW(p.Parse(), std::runtime_error);
    EXPECT_EQ(calls, 2);
    p.OnParsed = nullptr;
    EXPECT_NO_THROW(p.Parse());
}

// The caller's list is emptied, filled in one update bracket and announced once,
// whether the scan ends normally, by running off the text or at the first keyword.
TEST(sqlparser_api, ListOperationsFillTheCallersListInOneUpdate)
{
    const struct {
        const char* sql;
        int count;
    } cases[] = {{"SELECT A FROM T, U WHERE A = 1", 2}, {"SELECT A, B", 0}, {"UPDATE X", 0}};
    for (const auto& [sql, count] : cases) {
        TSQLParser p(QString::fromLatin1(sql));
        TStringList list;
        list.Add(QStringLiteral("stale"));
        int changes = 0;
        list.OnChange = [&](TStringList* sender) {
            EXPECT_EQ(sender->UpdateCount(), 0);
            ++changes;
        };
        p.GetSelectTableNames(list);
        EXPECT_EQ(list.UpdateCount(), 0) << sql;
        EXPECT_EQ(changes, 1) << sql;
        EXPECT_EQ(list.IndexOf(QStringLiteral("stale")), -1) << sql;
        EXPECT_EQ(list.Count(), count) << sql;
    }
}

// The keyword test takes plain and quoted symbols alike, never an alias or a
// parameter of the same spelling; after the end nothing is a symbol until Reset.
TEST(sqlparser_api, TokenSymbolIsTakesSymbolsOnlyAndResetReadsAgain)
{
    TSQLParser p(QStringLiteral("SELECT 'Select' SELECT. :SELECT"));
    const bool expected[] = {true, true, false, false};
    for (bool isSelect : expected) {
        EXPECT_EQ(p.TokenSymbolIs(u"select"), isSelect) << p.TokenString().toStdString();
        p.NextToken();
    }
    EXPECT_EQ(p.Token(), stEnd);
    EXPECT_FALSE(p.TokenSymbolIs(u""));
    EXPECT_THROW(p.NextToken(), EAbort);
    EXPECT_EQ(p.Token(), stEnd); // the failed read left everything as it was

    p.Reset();
    EXPECT_TRUE(p.TokenSymbolIs(u"SELECT"));
    EXPECT_EQ(p.TokenPos(), 0);
    EXPECT_EQ(p.NextToken(), stSymbol);
    EXPECT_TRUE(p.SymbolQuoted());
}
