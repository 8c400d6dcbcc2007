#include "SqlKeywords.h"

namespace schemakit::sqlkeywords {

namespace {

// Upper-cases a to z only; anything else is left as it is and so can only match
// itself, which no keyword letter is.
inline char16_t FoldAscii(char16_t c) noexcept
{
    return (c >= u'a' && c <= u'z') ? char16_t(c - (u'a' - u'A')) : c;
}

// word is upper case; text has already been found to have its length.
template <qsizetype N>
inline bool Spells(QStringView text, const char16_t (&word)[N]) noexcept
{
    const char16_t* t = text.utf16();
    for (qsizetype i = 1; i < N - 1; ++i) { // the first letter chose the candidate
        if (FoldAscii(t[i]) != word[i])
            return false;
    }
    return true;
}

template <qsizetype N>
inline TKeyword IfSpells(QStringView text, const char16_t (&word)[N], TKeyword keyword) noexcept
{
    return Spells(text, word) ? keyword : kwNone;
}

} // namespace

TKeyword KeywordOf(QStringView Text) noexcept
{
    const char16_t first = Text.isEmpty() ? u'\0' : FoldAscii(Text.utf16()[0]);
    switch (Text.size()) {
    case 2:
        if (first == u'O')
            return IfSpells(Text, u"OR", kwOr);
        return kwNone;
    case 3:
        if (first == u'A')
            return IfSpells(Text, u"AND", kwAnd);
        return kwNone;
    case 4:
        switch (first) {
        case u'F': return Spells(Text, u"FROM") ? kwFrom : IfSpells(Text, u"FULL", kwFull);
        case u'J': return IfSpells(Text, u"JOIN", kwJoin);
        case u'L': return IfSpells(Text, u"LEFT", kwLeft);
        default: return kwNone;
        }
    case 5:
        switch (first) {
        case u'W': return IfSpells(Text, u"WHERE", kwWhere);
        case u'G': return IfSpells(Text, u"GROUP", kwGroup);
        case u'O': return IfSpells(Text, u"ORDER", kwOrder);
        case u'U': return IfSpells(Text, u"UNION", kwUnion);
        case u'I': return IfSpells(Text, u"INNER", kwInner);
        case u'R': return IfSpells(Text, u"RIGHT", kwRight);
        default: return kwNone;
        }
    case 6:
        switch (first) {
        case u'S': return IfSpells(Text, u"SELECT", kwSelect);
        case u'U': return IfSpells(Text, u"UPDATE", kwUpdate);
        case u'H': return IfSpells(Text, u"HAVING", kwHaving);
        default: return kwNone;
        }
    default: return kwNone;
    }
}

} // namespace schemakit::sqlkeywords
