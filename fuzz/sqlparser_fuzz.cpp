// Feeds arbitrary bytes, read as UTF-16 code units, to every operation of the SQL
// parser and checks what must hold for any text: every token but the end consumes
// at least one character and lies inside the text, the scan reaches the end, the
// only failure is the documented read past the end, a NUL ends the text, and every
// list comes back out of its update bracket with no object but the quoted mark.

#include <schemakit/package/Exceptions.h>
#include <schemakit/package/StringList.h>
#include <schemakit/sqlparser/SqlParser.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

using namespace schemakit;

namespace {

void Check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

// The token text views the parser's own copy of the text.
bool InsideText(const TSQLParser& p)
{
    const char16_t* begin = reinterpret_cast<const char16_t*>(p.Text().utf16());
    const QStringView t = p.TokenText();
    return t.isEmpty() || (t.utf16() >= begin && t.utf16() + t.size() <= begin + p.Text().size());
}

qsizetype Tokenize(TSQLParser& p)
{
    qsizetype tokens = 1;
    while (p.Token() != stEnd) {
        const qsizetype before = p.SourcePos();
        p.NextToken();
        Check(p.Token() == stEnd || p.SourcePos() > before);
        Check(p.TokenPos() >= before && p.SourcePos() <= p.Text().size() && InsideText(p));
        ++tokens;
    }
    try {
        p.NextToken();
        Check(false);
    } catch (const EAbort&) {
    }
    return tokens;
}

// A NUL ends the text: the tokens of the whole text are those of its part before
// the first NUL, at the same places.
void CheckNulEndsText(const QString& text)
{
    const qsizetype nul = text.indexOf(QChar(0));
    if (nul < 0)
        return;
    TSQLParser whole(text);
    TSQLParser prefix(text.left(nul));
    for (;;) {
        Check(whole.Token() == prefix.Token() && whole.TokenText() == prefix.TokenText());
        Check(whole.TokenPos() == prefix.TokenPos() && whole.SourcePos() == prefix.SourcePos());
        Check(whole.SymbolQuoted() == prefix.SymbolQuoted());
        if (whole.Token() == stEnd)
            break;
        whole.NextToken();
        prefix.NextToken();
    }
}

void RunListOperation(TSQLParser& p, void (TSQLParser::*operation)(TStringList&))
{
    TStringList list;
    list.Add(QStringLiteral("stale"));
    (p.*operation)(list);
    Check(list.UpdateCount() == 0 && list.IndexOf(QStringLiteral("stale")) < 0);
    // Objects mark quoted table names with 1 and are null everywhere else.
    for (int i = 0; i < list.Count(); ++i)
        Check(quintptr(list.Objects(i)) <= 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // A buffer of exactly the input's length with no NUL after it, so that any read
    // beyond the text is caught by the address sanitizer.
    const qsizetype length = qsizetype(size / 2);
    auto units = std::make_unique<char16_t[]>(std::size_t(length));
    std::memcpy(units.get(), data, std::size_t(length) * 2);
    const QString text = QString::fromRawData(reinterpret_cast<const QChar*>(units.get()), length);

    TSQLParser p(text);
    const TSQLToken first = p.Token();
    const qsizetype tokens = Tokenize(p);
    Check(tokens <= length + 1);
    CheckNulEndsText(text);

    qsizetype reports = 0;
    p.OnParsed = [&](TSQLParser* sender, TSQLToken, TSQLClause, QStringView) {
        Check(sender == &p);
        ++reports;
    };
    try {
        p.Parse();
        Check(first != stEnd);
    } catch (const EAbort&) {
        Check(first == stEnd); // only a text without tokens reads past its end
    }
    Check(reports <= tokens);

    RunListOperation(p, &TSQLParser::GetSelectTableNames);
    RunListOperation(p, &TSQLParser::GetSelectWhereFields);
    RunListOperation(p, &TSQLParser::GetUpdateFields);
    RunListOperation(p, &TSQLParser::GetUpdateWhereFields);
    QString table;
    p.GetUpdateTableName(table);

    p.Reset();
    Check(p.Token() == first);
    return 0;
}
