// Runs the statements of data/*.txt (format described at the top of tokens.txt)
// through the tokenizer, Parse and the list operations. Results are written in the
// corpus's own notation and compared line by line, so a failure shows the
// statement, the first line that differs and both spellings of it.

#include <schemakit/package/Exceptions.h>
#include <schemakit/package/StringList.h>
#include <schemakit/sqlparser/SqlParser.h>

#include <gtest/gtest.h>

#include <QFile>
#include <QTextStream>

#include <algorithm>
#include <map>

using namespace schemakit;

namespace {

const char* const TokenNames[] = {"stSymbol", "stAlias",  "stNumber", "stComma",   "stEQ",       "stOther",
                                  "stLParen", "stRParen", "stEnd",    "stComment", "stParameter"};
const char* const ClauseNames[] = {"scUnknown", "scFields",  "scTables", "scWhere", "scGroupBy",
                                   "scHaving",  "scOrderBy", "scUnion",  "scJoin"};

struct SqlCase {
    QString Where; // file:line "title"
    QString Sql;   // the sql lines, joined by line feeds
    int SqlLines = 0;
    std::map<QString, QStringList> Expected; // by "tok", "rep" or the operation's name
};

// The escapes of the corpus, besides \uXXXX for any code unit and \e for an empty entry.
const std::map<char16_t, QString>& Escapes()
{
    static const std::map<char16_t, QString> escapes = {
        {u'0', QString(QChar(0))}, {u't', "\t"}, {u'r', "\r"}, {u'n', "\n"}, {u'\\', "\\"}, {u'|', "|"}};
    return escapes;
}

QString Unescape(QStringView raw)
{
    QString out;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] != u'\\' || i + 1 == raw.size()) {
            out += raw[i];
        } else if (raw[++i] == u'u') {
            out += QChar(char16_t(raw.mid(i + 1, 4).toUInt(nullptr, 16)));
            i += 4;
        } else {
            out += raw[i] == u's' ? QStringLiteral(" ") : Escapes().at(raw[i].unicode());
        }
    }
    return out;
}

// The one spelling the corpus uses for a text; a quoted name is written in quotes.
QString Escape(QStringView text, bool quoted)
{
    if (text.isEmpty() && !quoted)
        return QStringLiteral("\\e");
    QString out;
    for (QChar c : text) {
        const auto named =
            std::find_if(Escapes().begin(), Escapes().end(), [c](const auto& e) { return e.second == c; });
        if (named != Escapes().end())
            out += u'\\' + QChar(named->first);
        else if (c.unicode() < 32 || c.unicode() == 127 || c.isSurrogate())
            out += QStringLiteral("\\u") + QString::number(c.unicode(), 16).rightJustified(4, u'0').toUpper();
        else
            out += c;
    }
    if (out.startsWith(u' '))
        out.replace(0, 1, QStringLiteral("\\s"));
    if (out.endsWith(u' '))
        out.replace(out.size() - 1, 1, QStringLiteral("\\s"));
    return quoted ? u'"' + out + u'"' : out;
}

QString Line(const QString& head, QStringView text, bool quoted)
{
    return text.isEmpty() && !quoted ? head : head + u' ' + Escape(text, quoted);
}

QList<SqlCase> ReadCorpus(const QString& name)
{
    QFile file(QStringLiteral(SCHEMAKIT_TEST_DATA_DIR "/data/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text)) << name.toStdString();
    QTextStream in(&file);
    QList<SqlCase> cases;
    for (int lineNo = 1; !in.atEnd(); ++lineNo) {
        const QString line = in.readLine().trimmed();
        const qsizetype blank = line.indexOf(u' ');
        const QString key = blank < 0 ? line : line.left(blank);
        const QString rest = blank < 0 ? QString() : line.mid(blank + 1).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (key == u"===")
            cases.append({QStringLiteral("%1:%2 \"%3\"").arg(name).arg(lineNo).arg(rest), {}, 0, {}});
        else if (cases.isEmpty())
            ADD_FAILURE() << name.toStdString() << ":" << lineNo << ": no === before this line";
        else if (key == u"sql")
            cases.back().Sql += (cases.back().SqlLines++ ? QStringLiteral("\n") : QString()) + Unescape(rest);
        else if (key == u"tok" || key == u"rep")
            cases.back().Expected[key] << rest;
        else if (key.endsWith(u':'))
            cases.back().Expected[key.chopped(1)] = rest.isEmpty() ? QStringList() : rest.split(QStringLiteral(" | "));
        else
            ADD_FAILURE() << name.toStdString() << ":" << lineNo << ": unknown line " << line.toStdString();
    }
    return cases;
}

// From creation to the end, and a read past the end must abort.
QStringList Tokens(const QString& sql)
{
    TSQLParser p(sql);
    QStringList tokens;
    for (;;) {
        tokens << Line(QString::fromLatin1(TokenNames[p.Token()]), p.TokenText(), p.SymbolQuoted());
        if (p.Token() == stEnd || tokens.size() > sql.size() + 1)
            break;
        p.NextToken();
    }
    EXPECT_THROW(p.NextToken(), EAbort) << "reading past the end of " << Escape(sql, false).toStdString();
    return tokens;
}

QStringList Reports(TSQLParser& p)
{
    QStringList reports;
    p.OnParsed = [&](TSQLParser* sender, TSQLToken token, TSQLClause clause, QStringView value) {
        const QString head = QString::fromLatin1(TokenNames[token]) + u' ' + QString::fromLatin1(ClauseNames[clause]);
        reports << Line(head, value, sender->SymbolQuoted());
    };
    try {
        p.Parse();
    } catch (const EAbort&) {
        reports << QStringLiteral("abort");
    }
    p.OnParsed = nullptr;
    return reports;
}

QStringList Run(TSQLParser& p, const QString& what)
{
    using Fill = void (TSQLParser::*)(TStringList&);
    static const std::map<QString, Fill> fills = {{"GetSelectTableNames", &TSQLParser::GetSelectTableNames},
                                                  {"GetSelectWhereFields", &TSQLParser::GetSelectWhereFields},
                                                  {"GetUpdateFields", &TSQLParser::GetUpdateFields},
                                                  {"GetUpdateWhereFields", &TSQLParser::GetUpdateWhereFields}};
    if (what == u"tok")
        return Tokens(p.Text());
    if (what == u"rep")
        return Reports(p);
    if (what == u"GetUpdateTableName") {
        QString table = QStringLiteral("stale");
        p.GetUpdateTableName(table);
        return table.isEmpty() ? QStringList() : QStringList{Escape(table, false)};
    }
    TStringList list;
    (p.*fills.at(what))(list);
    QStringList entries;
    for (int i = 0; i < list.Count(); ++i) {
        // Only GetSelectTableNames sets objects, and only to 1 for a quoted name; any
        // other value is written out so that it cannot pass for a quoted name.
        const quintptr object = quintptr(list.Objects(i));
        entries << Escape(list.Strings(i), object == 1) + (object > 1 ? QStringLiteral(" #%1").arg(object) : QString());
    }
    return entries;
}

// Parse and the list operations run on one parser in a row, which also shows that
// each starts over from the beginning of the text.
void RunCorpus(const char* name)
{
    const QList<SqlCase> cases = ReadCorpus(QString::fromLatin1(name));
    ASSERT_FALSE(cases.isEmpty());
    for (const SqlCase& c : cases) {
        TSQLParser p(c.Sql);
        for (const auto& [what, expected] : c.Expected) {
            const QStringList actual = Run(p, what);
            const std::string label = what == u"tok"   ? "token"
                                      : what == u"rep" ? "report"
                                                       : what.toStdString() + " entry";
            for (qsizetype i = 0; i < qMax(expected.size(), actual.size()); ++i) {
                const QString e = i < expected.size() ? expected[i] : QStringLiteral("(nothing)");
                const QString a = i < actual.size() ? actual[i] : QStringLiteral("(nothing)");
                if (e != a) {
                    ADD_FAILURE() << c.Where.toStdString() << " [" << Escape(c.Sql, false).toStdString() << "]\n  "
                                  << label << " " << i + 1 << ": expected " << e.toStdString() << ", got "
                                  << a.toStdString();
                    break;
                }
            }
        }
    }
}

} // namespace

TEST(sqlparser_corpus, Tokenizer)
{
    RunCorpus("tokens.txt");
}

TEST(sqlparser_corpus, ClauseParser)
{
    RunCorpus("clauses.txt");
}

TEST(sqlparser_corpus, ListOperations)
{
    RunCorpus("lists.txt");
}
