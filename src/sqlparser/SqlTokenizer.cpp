#include "SqlParserClass.h"

#include "SqlCharClass.h"

#include "../package/Exceptions.h"
#include "../package/SysUtils.h"

namespace schemakit {

using namespace sqlchars;

namespace {

// Every scan below relies on the NUL that follows the text: no loop runs past a
// character with code 0, so none needs the text's length.

const char16_t* SkipSymbolTail(const char16_t* p) noexcept
{
    while (ContinuesSymbol(*p))
        ++p;
    return p;
}

const char16_t* SkipNumberTail(const char16_t* p) noexcept
{
    while (ContinuesNumber(*p))
        ++p;
    return p;
}

// The line break is left for the next read, which skips it as white space.
const char16_t* SkipLineComment(const char16_t* p) noexcept
{
    while (*p != 0 && *p != u'\n' && *p != u'\r')
        ++p;
    return p;
}

// p is just past the opening "/*", so "/*/" does not close itself. A comment left
// open runs to the end of the text and is still one comment token.
const char16_t* SkipBlockComment(const char16_t* p) noexcept
{
    for (; *p != 0; ++p) {
        if (p[0] == u'*' && p[1] == u'/')
            return p + 2;
    }
    return p;
}

} // namespace

TSQLParser::TSQLParser(const QString& Text) : FText(Text)
{
    // utf16() guarantees the terminating NUL, copying a string made by fromRawData.
    FBegin = reinterpret_cast<const char16_t*>(FText.utf16());
    FSourcePtr = FBegin;
    FTokenPtr = FBegin;
    NextToken();
}

TSQLParser::~TSQLParser() = default;

void TSQLParser::Reset()
{
    FSourcePtr = FBegin;
    FToken = stSymbol; // anything but stEnd, so that the read below is allowed
    NextToken();
}

bool TSQLParser::TokenSymbolIs(QStringView S) const noexcept
{
    return FToken == stSymbol && SameText(FTokenString, S);
}

TSQLToken TSQLParser::NextToken()
{
    if (FToken == stEnd)
        Abort();
    FSymbolQuoted = false;

    const char16_t* p = FSourcePtr;
    while (char16_t(*p - 1) < 32) // codes 1 to 32; the NUL wraps round and stops it
        ++p;
    FTokenPtr = p;

    const char16_t* textBegin = p;
    const char16_t* textEnd = p; // empty text unless a case below says otherwise
    TSQLToken token;

    switch (ClassOf(*p)) {
    case ccEnd: token = stEnd; break;
    case ccSymbol:
        // Names and parameters are always scanned by the character ranges of the
        // table. A scan that follows the lead bytes of a double-byte (Far East)
        // system locale never applies here: the text is UTF-16, one character per
        // code unit, and Qt has no such locale.
        p = textEnd = SkipSymbolTail(p + 1);
        token = stSymbol;
        break;
    case ccColon:
        p = textEnd = SkipSymbolTail(p + 1);
        token = stParameter;
        break;
    case ccQuote: {
        const char16_t quote = *p++;
        if (*p == u':') // a quoted parameter name is read as a plain quoted name
            ++p;
        textBegin = p;
        while (*p != quote && *p != 0) // no escape: 'it''s' is two names
            ++p;
        textEnd = p;
        if (*p == quote)
            ++p;
        while (textBegin < textEnd && *textBegin <= 32)
            ++textBegin;
        while (textEnd > textBegin && textEnd[-1] <= 32)
            --textEnd;
        token = stSymbol;
        FSymbolQuoted = true;
        break;
    }
    case ccMinus:
        if (p[1] == u'-') {
            p = textEnd = SkipLineComment(p + 2);
            token = stComment;
        } else {
            p = textEnd = SkipNumberTail(p + 1);
            token = stNumber;
        }
        break;
    case ccDigit:
        p = textEnd = SkipNumberTail(p + 1);
        token = stNumber;
        break;
    case ccSlash:
        if (p[1] == u'*') {
            p = textEnd = SkipBlockComment(p + 2);
            token = stComment;
        } else if (p[1] == u'/') {
            p = textEnd = SkipLineComment(p + 2);
            token = stComment;
        } else {
            ++p;
            token = stOther;
        }
        break;
    case ccLParen:
        ++p;
        token = stLParen;
        break;
    case ccRParen:
        ++p;
        token = stRParen;
        break;
    case ccComma:
        ++p;
        token = stComma;
        break;
    case ccEQ:
        ++p;
        token = stEQ;
        break;
    default: // ccOther; ccSpace cannot occur after the skip above
        ++p;
        token = stOther;
        break;
    }

    FSourcePtr = p;
    FTokenString = QStringView(textBegin, textEnd);
    if (token == stSymbol && textEnd > textBegin && textEnd[-1] == u'.')
        token = stAlias;
    FToken = token;
    return token;
}

} // namespace schemakit
