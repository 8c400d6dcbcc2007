#include "SqlParserClass.h"

#include "../package/Exceptions.h"
#include "../package/StringList.h"

namespace schemakit {

namespace {

// Empties the caller's list and runs `fill` inside one update bracket.
template <typename Fill>
void FillList(TStringList& list, Fill fill)
{
    UpdateList(list, [&] {
        list.Clear();
        fill();
    });
}

// The scans below read on until the word they wait for; when the text ends first,
// the read past the end raises EAbort, and that is their normal way out. Anything
// else (running out of memory) is a real failure and passes to the caller.
template <typename Scan>
void ScanToEnd(Scan scan)
{
    try {
        scan();
    } catch (const EAbort&) {
    }
}

void* QuotedMark(bool quoted) noexcept
{
    return reinterpret_cast<void*>(quintptr(quoted ? 1 : 0));
}

} // namespace

void TSQLParser::SkipToSymbol(QStringView S)
{
    while (!TokenSymbolIs(S))
        NextToken();
}

void TSQLParser::GetSelectTableNames(TStringList& List)
{
    FillList(List, [&] {
        Reset();
        if (!TokenSymbolIs(u"SELECT"))
            return;
        ScanToEnd([&] {
            SkipToSymbol(u"FROM");
            NextToken();
            while (FToken == stSymbol) {
                List.AddObject(TokenString(), QuotedMark(FSymbolQuoted));
                if (NextToken() == stSymbol) // the table's alias
                    NextToken();
                if (FToken != stComma)
                    break;
                NextToken();
            }
        });
    });
}

void TSQLParser::GetSelectWhereFields(TStringList& List)
{
    FillList(List, [&] {
        Reset();
        if (!TokenSymbolIs(u"SELECT"))
            return;
        ScanToEnd([&] {
            SkipToSymbol(u"WHERE");
            NextToken();
            for (;;) {
                while (FToken == stAlias || FToken == stLParen)
                    NextToken();
                if (FToken != stSymbol || TokenSymbolIs(u"HAVING") || TokenSymbolIs(u"GROUP") ||
                    TokenSymbolIs(u"ORDER"))
                    return;
                List.Add(TokenString());
                if (NextToken() != stEQ)
                    continue; // a field without "=": look at what follows as a field
                List.Add(QStringLiteral("="));
                // The value runs to the next AND or "(", and may be several tokens.
                for (;;) {
                    const TSQLToken token = NextToken();
                    if (token == stAlias || token == stRParen)
                        continue;
                    if (TokenSymbolIs(u"AND") || token == stLParen)
                        break;
                    if (token == stEnd)
                        return;
                    List.Add(TokenString());
                }
                NextToken();
            }
        });
    });
}

void TSQLParser::GetUpdateTableName(QString& TableName)
{
    Reset();
    // UPDATE is a symbol, so the read after it cannot go past the end.
    if (TokenSymbolIs(u"UPDATE") && NextToken() == stSymbol)
        TableName = TokenString();
    else
        TableName.clear();
}

void TSQLParser::GetUpdateFields(TStringList& List)
{
    FillList(List, [&] {
        Reset();
        if (!TokenSymbolIs(u"UPDATE"))
            return;
        ScanToEnd([&] {
            SkipToSymbol(u"SET");
            NextToken();
            for (;;) {
                if (FToken == stAlias)
                    NextToken();
                if (FToken != stSymbol)
                    return;
                List.Add(TokenString());
                if (NextToken() != stEQ)
                    return;
                // Skip the assigned value up to the next assignment or the filter.
                for (;;) {
                    if (NextToken() == stComma)
                        break;
                    if (TokenSymbolIs(u"WHERE"))
                        return;
                }
                NextToken();
            }
        });
    });
}

void TSQLParser::GetUpdateWhereFields(TStringList& List)
{
    FillList(List, [&] {
        Reset();
        if (!TokenSymbolIs(u"UPDATE"))
            return;
        ScanToEnd([&] {
            SkipToSymbol(u"WHERE");
            NextToken();
            for (;;) {
                while (FToken == stAlias || FToken == stLParen)
                    NextToken();
                if (FToken != stSymbol)
                    return;
                List.Add(TokenString());
                if (NextToken() != stEQ)
                    return;
                for (;;) {
                    if (NextToken() == stEnd)
                        return;
                    if (TokenSymbolIs(u"AND"))
                        break;
                }
                NextToken();
            }
        });
    });
}

} // namespace schemakit
