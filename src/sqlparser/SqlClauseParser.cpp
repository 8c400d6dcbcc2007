#include "SqlParserClass.h"

#include "SqlKeywords.h"

namespace schemakit {

using namespace sqlkeywords;

TSQLParser::TState TSQLParser::SaveState() const noexcept
{
    return {FSourcePtr, FTokenPtr, FTokenString, FToken, FSymbolQuoted};
}

void TSQLParser::RestoreState(const TState& state) noexcept
{
    FSourcePtr = state.SourcePtr;
    FTokenPtr = state.TokenPtr;
    FTokenString = state.TokenString;
    FToken = state.Token;
    FSymbolQuoted = state.SymbolQuoted;
}

// The current token is the symbol GROUP or ORDER. Either BY follows, and the two
// become the one symbol `joined`, or nothing happened: a column called Order must
// be reported once, and so must whatever follows it.
bool TSQLParser::JoinWithBy(QStringView joined)
{
    const TState before = SaveState();
    NextToken(); // the current token is a symbol, so this cannot read past the end
    if (TokenSymbolIs(u"BY")) {
        FTokenPtr = before.TokenPtr;
        FTokenString = joined;
        FSymbolQuoted = false;
        return true;
    }
    RestoreState(before);
    return false;
}

void TSQLParser::Parse()
{
    Reset();
    TSQLClause clause = scUnknown;
    for (;;) {
        bool report = true;
        if (FToken == stSymbol) {
            switch (KeywordOf(FTokenString)) {
            case kwSelect:
            case kwUpdate: clause = scFields; break;
            case kwFrom: clause = scTables; break;
            case kwWhere: clause = scWhere; break;
            case kwHaving: clause = scHaving; break;
            case kwGroup:
                if (JoinWithBy(u"GROUP BY"))
                    clause = scGroupBy;
                break;
            case kwOrder:
                if (JoinWithBy(u"ORDER BY"))
                    clause = scOrderBy;
                break;
            case kwUnion: clause = scUnion; break;
            case kwInner:
            case kwJoin:
            case kwLeft:
            case kwRight:
            case kwFull: clause = scJoin; break;
            case kwAnd:
            case kwOr:
                // Conditions are of interest, not how they are combined.
                report = false;
                break;
            case kwNone: break;
            }
        }
        if (report && OnParsed)
            OnParsed(this, FToken, clause, FTokenString);
        // A text without tokens has reported its stEnd above, and this read past the
        // end raises EAbort out of Parse; callers that parse user text catch it.
        if (NextToken() == stEnd)
            break;
    }
}

} // namespace schemakit
